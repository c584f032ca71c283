#include "platform/reg_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_encoding.h"
#include "support/reg_values.h"

namespace quellorn::platform {
namespace {

using testing::Bytes;
using testing::Dword;
using testing::Sz;

RegFile ParseV5(std::string_view body) {
  return ParseRegFile("Windows Registry Editor Version 5.00\r\n\r\n" + std::string(body));
}

// The one value of `[HKEY_CURRENT_USER\T]` followed by `line`.
RegFile ParseValueLine(std::string_view line) {
  return ParseV5("[HKEY_CURRENT_USER\\T]\r\n" + std::string(line) + "\r\n");
}

std::string Utf16LeFile(std::u16string_view text) {
  std::vector<std::uint8_t> bytes = Utf16ToLeBytes(text);
  return "\xFF\xFE" + std::string(bytes.begin(), bytes.end());
}

TEST(RegFile, ReadsValuesAsWindowsStoresThem) {
  struct Case {
    const char* line;
    const char* name;
    RegValue value;
  };
  for (const Case& c :
       {Case{R"("a"="text")", "a", Sz(u"text")}, Case{R"("a"="")", "a", Sz(u"")},
        Case{R"("a"="C:\\dir \"quoted\"")", "a", Sz(u"C:\\dir \"quoted\"")},
        Case{R"("na\"me\\"="x")", "na\"me\\", Sz(u"x")}, Case{R"(@="default")", "", Sz(u"default")},
        Case{R"(""="default")", "", Sz(u"default")},
        Case{R"(  "a" = "blanks around"  )", "a", Sz(u"blanks around")},
        Case{R"("a"=dword:0000002a)", "a", Dword(42)},
        Case{R"("a"=DWORD:FFFFFFFF)", "a", Dword(0xFFFFFFFF)},
        Case{R"("a"=dword:1)", "a", Dword(1)},
        Case{R"("a"=hex:01,ff,0A)", "a", Bytes(reg_type::kBinary, {0x01, 0xFF, 0x0A})},
        Case{R"("a"=hex:)", "a", Bytes(reg_type::kBinary, {})},
        Case{R"("a"=hex: 1 , 2 ,)", "a", Bytes(reg_type::kBinary, {1, 2})},
        Case{R"("a"=hex(2):25,00,00,00)", "a", Sz(u"%", reg_type::kExpandSz)},
        Case{R"("a"=hex(7):61,00,00,00,62,00,00,00,00,00)", "a",
             Bytes(reg_type::kMultiSz, {0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0})},
        Case{R"("a"=hex(b):01,00,00,00,00,00,00,80)", "a",
             Bytes(reg_type::kQword, {1, 0, 0, 0, 0, 0, 0, 0x80})},
        Case{R"("a"=hex(0):)", "a", Bytes(reg_type::kNone, {})},
        Case{R"("a"=hex(4):01,02)", "a", Bytes(reg_type::kDword, {1, 2})},
        Case{R"("a"=hex(1):61,00)", "a", Bytes(reg_type::kSz, {0x61, 0})},
        Case{R"("a"=HEX(80000001):ff)", "a", Bytes(0x80000001, {0xFF})},
        Case{"\"\xC3\xA4\xE2\x82\xAC\"=\"\xF0\x9D\x84\x9E\"", "\xC3\xA4\xE2\x82\xAC",
             Sz(u"\U0001D11E")},
        // hex string data of a version 5 file stays UTF-16
        Case{R"("a"=hex(2):e9,00,00,00)", "a", Sz(u"\u00e9", reg_type::kExpandSz)}}) {
    RegFile file = ParseValueLine(c.line);
    EXPECT_TRUE(file.errors.empty()) << c.line;
    ASSERT_EQ(file.keys.size(), 1u) << c.line;
    ASSERT_EQ(file.keys[0].values.size(), 1u) << c.line;
    const RegFileValue& value = file.keys[0].values[0];
    EXPECT_EQ(value.name, c.name) << c.line;
    EXPECT_FALSE(value.remove) << c.line;
    EXPECT_EQ(value.value, c.value) << c.line;
    EXPECT_EQ(value.line, 4) << c.line;
  }
}

TEST(RegFile, ReadsRemovalOfValuesAndKeys) {
  RegFile file = ParseV5(
      "[HKEY_CURRENT_USER\\T]\r\n\"gone\"=-\r\n@=-\r\n\r\n[-HKEY_LOCAL_MACHINE\\Software\\Old]"
      "\r\n");
  ASSERT_TRUE(file.errors.empty());
  ASSERT_EQ(file.keys.size(), 2u);
  ASSERT_EQ(file.keys[0].values.size(), 2u);
  EXPECT_TRUE(file.keys[0].values[0].remove);
  EXPECT_EQ(file.keys[0].values[0].name, "gone");
  EXPECT_TRUE(file.keys[0].values[1].remove);
  EXPECT_EQ(file.keys[0].values[1].name, "");
  EXPECT_TRUE(file.keys[1].remove);
  EXPECT_EQ(file.keys[1].root, kLocalMachine);
  EXPECT_EQ(file.keys[1].path, "Software\\Old");
}

TEST(RegFile, ReadsRootAndPathOfKeys) {
  struct Case {
    const char* line;
    RegHandle root;
    const char* path;
  };
  for (const Case& c : {Case{"[HKEY_CLASSES_ROOT\\.txt]", kClassesRoot, ".txt"},
                        Case{"[HKEY_CURRENT_USER\\Software\\A b]", kCurrentUser, "Software\\A b"},
                        Case{"[HKEY_LOCAL_MACHINE\\x]", kLocalMachine, "x"},
                        Case{"[HKEY_USERS\\.DEFAULT]", kUsers, ".DEFAULT"},
                        Case{"[HKEY_CURRENT_CONFIG\\x]", kCurrentConfig, "x"},
                        Case{"[HKEY_DYN_DATA\\x]", kDynData, "x"},
                        Case{"[hkey_current_user\\x]", kCurrentUser, "x"},
                        Case{"[HKEY_CURRENT_USER]", kCurrentUser, ""},
                        Case{"[HKEY_CURRENT_USER\\a\\\\b\\]", kCurrentUser, "a\\b"},
                        Case{"  [HKEY_CURRENT_USER\\x]  ", kCurrentUser, "x"}}) {
    RegFile file = ParseV5(std::string(c.line) + "\r\n");
    EXPECT_TRUE(file.errors.empty()) << c.line;
    ASSERT_EQ(file.keys.size(), 1u) << c.line;
    EXPECT_EQ(file.keys[0].root, c.root) << c.line;
    EXPECT_EQ(file.keys[0].path, c.path) << c.line;
  }
}

// A bad line between two good ones: reported with its number, skipped, the rest loads.
TEST(RegFile, ReportsAndSkipsBadValueLines) {
  struct Case {
    const char* line;
    const char* reason;  // a word the report must contain
  };
  for (const Case& c :
       {Case{R"("a"=dword:123456789)", "dword"}, Case{R"("a"=dword:xyz)", "dword"},
        Case{R"("a"=dword:)", "dword"}, Case{R"("a"=hex:1,2g)", "hex"},
        Case{R"("a"=hex:123)", "hex"}, Case{R"("a"=hex:01,,02)", "hex"},
        Case{R"("a"=hex(zz):00)", "type"}, Case{R"("a"=hex(2)00)", "':'"},
        Case{R"("a"="unterminated)", "quote"},
        Case{R"("a"="x" trailing)", "after the closing quote"}, Case{R"("a"="C:\Temp")", "escape"},
        Case{R"("a"=word:1)", "unknown value data"}, Case{R"("a")", "'='"},
        Case{R"("unterminated name=1)", "quote"}, Case{"just some text", "unrecognised"}}) {
    RegFile file = ParseV5("[HKEY_CURRENT_USER\\T]\r\n\"before\"=\"1\"\r\n" + std::string(c.line) +
                           "\r\n\"after\"=\"2\"\r\n");
    ASSERT_EQ(file.errors.size(), 1u) << c.line;
    EXPECT_EQ(file.errors[0].line, 5) << c.line;
    EXPECT_NE(file.errors[0].reason.find(c.reason), std::string::npos) << file.errors[0].reason;
    ASSERT_EQ(file.keys.size(), 1u) << c.line;
    ASSERT_EQ(file.keys[0].values.size(), 2u) << c.line;
    EXPECT_EQ(file.keys[0].values[0].name, "before");
    EXPECT_EQ(file.keys[0].values[1].name, "after");
  }
}

TEST(RegFile, ReportsBadKeyLinesAndSkipsTheirValues) {
  RegFile file = ParseV5(
      "\"orphan\"=\"x\"\r\n"            // line 3: before any key
      "[HKCU\\Software]\r\n"            // 4: abbreviations are no root names
      "\"a\"=\"x\"\r\n"                 // 5: belongs to the skipped key
      "[HKEY_PERFORMANCE_DATA\\x]\r\n"  // 6
      "[HKEY_CURRENT_USER\\open\r\n"    // 7: no closing bracket
      "[-HKEY_CURRENT_USER]\r\n"        // 8: a root cannot be removed
      "[-HKEY_CURRENT_USER\\gone]\r\n"  // 9
      "\"b\"=\"x\"\r\n"                 // 10: value of a removed key
      "[HKEY_CURRENT_USER\\good]\r\n"   // 11
      "\"c\"=\"x\"\r\n");
  std::vector<int> lines;
  for (const RegFileIssue& issue : file.errors)
    lines.push_back(issue.line);
  EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 6, 7, 8, 10}));
  ASSERT_EQ(file.keys.size(), 2u);
  EXPECT_TRUE(file.keys[0].remove);
  EXPECT_EQ(file.keys[1].path, "good");
  ASSERT_EQ(file.keys[1].values.size(), 1u);
  EXPECT_EQ(file.keys[1].values[0].name, "c");
}

TEST(RegFile, JoinsContinuedLinesAndIgnoresCommentsAndBlankLines) {
  RegFile file = ParseV5(
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\T]\r\n"
      "\r\n"
      "   ; an indented comment \\\r\n"
      "\"bin\"=hex:01,02,\\\r\n"
      "  03,04,\\\r\n"
      "\t05\r\n"
      "\"next\"=dword:00000007\r\n");
  ASSERT_TRUE(file.errors.empty()) << file.errors.front().reason;
  ASSERT_EQ(file.keys.size(), 1u);
  const auto& values = file.keys[0].values;
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].value, Bytes(reg_type::kBinary, {1, 2, 3, 4, 5}));
  EXPECT_EQ(values[0].line, 7);
  EXPECT_EQ(values[1].value, Dword(7));
  EXPECT_EQ(values[1].line, 10);
}

TEST(RegFile, CountsLinesWithLineFeedsAlone) {
  RegFile file = ParseRegFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\T]\n\"a\"=bad\n");
  ASSERT_EQ(file.errors.size(), 1u);
  EXPECT_EQ(file.errors[0].line, 4);
}

TEST(RegFile, RecognisesOnlyItsTwoHeaders) {
  struct Case {
    std::string text;
    RegFileFormat format;
  };
  const Case cases[] = {
      {"Windows Registry Editor Version 5.00\r\n", RegFileFormat::kVersion5},
      {"\r\n\r\nREGEDIT4\r\n", RegFileFormat::kRegedit4},
      {"REGEDIT5\r\n[HKEY_CURRENT_USER\\x]\r\n", RegFileFormat::kUnknown},
      {"[HKEY_CURRENT_USER\\x]\r\n", RegFileFormat::kUnknown},
      {"", RegFileFormat::kUnknown},
      {std::string("\0\0\0", 3), RegFileFormat::kUnknown},
  };
  for (const Case& c : cases) {
    RegFile file = ParseRegFile(c.text);
    EXPECT_EQ(file.format, c.format) << c.text;
    EXPECT_EQ(file.errors.empty(), c.format != RegFileFormat::kUnknown) << c.text;
    EXPECT_TRUE(file.keys.empty());
  }
}

TEST(RegFile, ReadsUtf16WithSurrogatesAndUtf8WithOrWithoutBom) {
  std::u16string text =
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K\u00e9y]\r\n"
      u"\"\U0001D11E\"=\"\u20ac\U0001F600\"\r\n";
  std::string utf8 = Utf16ToUtf8(text);
  for (const std::string& bytes : {Utf16LeFile(text), "\xEF\xBB\xBF" + utf8, utf8}) {
    RegFile file = ParseRegFile(bytes);
    ASSERT_TRUE(file.errors.empty());
    EXPECT_EQ(file.format, RegFileFormat::kVersion5);
    ASSERT_EQ(file.keys.size(), 1u);
    EXPECT_EQ(file.keys[0].path, "K\xC3\xA9y");
    ASSERT_EQ(file.keys[0].values.size(), 1u);
    EXPECT_EQ(file.keys[0].values[0].name, "\xF0\x9D\x84\x9E");
    EXPECT_EQ(file.keys[0].values[0].value, Sz(u"\u20ac\U0001F600"));
  }
}

TEST(RegFile, ConvertsEightBitStringsFromWindows1252) {
  // 0xE9 e-acute, 0x80 euro sign, 0x9F capital Y with diaeresis.
  RegFile file = ParseRegFile(
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Caf\xE9]\r\n"
      "\"n\xE9\"=\"\x80\x9F\"\r\n"
      "\"exp\"=hex(2):25,e9,25,00\r\n"
      "\"multi\"=hex(7):61,00,80,00,00\r\n"
      "\"str\"=hex(1):e9,00\r\n"
      "\"bin\"=hex:e9,00\r\n");
  ASSERT_TRUE(file.errors.empty());
  EXPECT_EQ(file.format, RegFileFormat::kRegedit4);
  ASSERT_EQ(file.keys.size(), 1u);
  EXPECT_EQ(file.keys[0].path, "Caf\xC3\xA9");
  const auto& values = file.keys[0].values;
  ASSERT_EQ(values.size(), 5u);
  EXPECT_EQ(values[0].name, "n\xC3\xA9");
  EXPECT_EQ(values[0].value, Sz(u"\u20ac\u0178"));
  EXPECT_EQ(values[1].value, Sz(u"%\u00e9%", reg_type::kExpandSz));
  EXPECT_EQ(values[2].value.data, Utf16ToLeBytes(std::u16string(u"a\0\u20ac\0\0", 5)));
  EXPECT_EQ(values[3].value, Sz(u"\u00e9", reg_type::kSz));
  EXPECT_EQ(values[4].value, Bytes(reg_type::kBinary, {0xE9, 0x00}));
}

}  // namespace
}  // namespace quellorn::platform
