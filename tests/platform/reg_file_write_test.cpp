#include <gtest/gtest.h>

#include <string>

#include "platform/reg_file.h"
#include "platform/text_encoding.h"
#include "support/reg_values.h"

namespace quellorn::platform {
namespace {

using testing::Bytes;
using testing::Dword;
using testing::Sz;

// The written file as UTF-8 text, checking its byte order mark.
std::string WrittenText(const RegFile& file) {
  std::string bytes = WriteRegFile(file);
  EXPECT_TRUE(bytes.starts_with("\xFF\xFE"));
  return Utf16ToUtf8(
      LeBytesToUtf16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2, bytes.size() - 2));
}

RegFile OneValue(const std::string& name, const RegValue& value) {
  RegFile file;
  file.keys.push_back({0, kCurrentUser, "T", false, {{0, name, false, value}}});
  return file;
}

// The line the writer produces for one value.
std::string ValueText(const std::string& name, const RegValue& value) {
  std::string text = WrittenText(OneValue(name, value));
  std::string start = "[HKEY_CURRENT_USER\\T]\r\n";
  std::size_t at = text.find(start) + start.size();
  return text.substr(at, text.size() - at - 4);  // without the closing blank line
}

// Only a string that reads back unchanged is written as "text"; the rest as hex.
TEST(RegFileWriter, WritesTheFormThatReadsBackExactly) {
  struct Case {
    const char* what;
    const char* name;
    RegValue value;
    const char* text;
  };
  for (const Case& c :
       {Case{"plain string", "a", Sz(u"C:\\x \"y\""), R"("a"="C:\\x \"y\"")"},
        Case{"default value", "", Sz(u"d"), R"(@="d")"},
        Case{"escaped name", "q\"\\", Sz(u""), R"("q\"\\"="")"},
        Case{"name with a line break", "a\r\nb", Dword(1), "\"a\\r\\nb\"=dword:00000001"},
        Case{"string without its NUL", "a", Bytes(reg_type::kSz, {0x61, 0}), R"("a"=hex(1):61,00)"},
        Case{"empty string data", "a", Bytes(reg_type::kSz, {}), R"("a"=hex(1):)"},
        Case{"string with an inner NUL", "a", Bytes(reg_type::kSz, {0x61, 0, 0, 0, 0x62, 0, 0, 0}),
             R"("a"=hex(1):61,00,00,00,62,00,00,00)"},
        Case{"string with a line break", "a", Sz(u"x\ny"), R"("a"=hex(1):78,00,0a,00,79,00,00,00)"},
        Case{"odd string length", "a", Bytes(reg_type::kSz, {0x61, 0, 0}),
             R"("a"=hex(1):61,00,00)"},
        Case{"dword", "a", Dword(0xDEADBEEF), R"("a"=dword:deadbeef)"},
        Case{"short dword", "a", Bytes(reg_type::kDword, {1, 2}), R"("a"=hex(4):01,02)"},
        Case{"binary", "a", Bytes(reg_type::kBinary, {0, 0xAB}), R"("a"=hex:00,ab)"},
        Case{"empty binary", "a", Bytes(reg_type::kBinary, {}), R"("a"=hex:)"},
        Case{"expand string", "a", Sz(u"%x%", reg_type::kExpandSz),
             R"("a"=hex(2):25,00,78,00,25,00,00,00)"},
        Case{"qword", "a", Bytes(reg_type::kQword, {1, 0, 0, 0, 0, 0, 0, 0}),
             R"("a"=hex(b):01,00,00,00,00,00,00,00)"},
        Case{"none", "a", Bytes(reg_type::kNone, {}), R"("a"=hex(0):)"},
        Case{"unusual type", "a", Bytes(0x80000001, {7}), R"("a"=hex(80000001):07)"}}) {
    EXPECT_EQ(ValueText(c.name, c.value), c.text) << c.what;
    RegFile back = ParseRegFile(WriteRegFile(OneValue(c.name, c.value)));
    ASSERT_TRUE(back.errors.empty()) << c.what;
    ASSERT_EQ(back.keys.at(0).values.size(), 1u) << c.what;
    EXPECT_EQ(back.keys[0].values[0].name, c.name) << c.what;
    EXPECT_EQ(back.keys[0].values[0].value, c.value) << c.what;
  }
}

TEST(RegFileWriter, WrapsLongHexDataLikeTheRegistryEditor) {
  RegValue value{reg_type::kBinary, std::vector<std::uint8_t>(100, 0x5A)};
  std::string text = ValueText("0", value);
  // 23 bytes fill the first line ("0"=hex: is 8 wide), 25 each further line: 23+25+25+25+2.
  std::string first = "\"0\"=hex:";
  for (int i = 0; i < 23; ++i)
    first += "5a,";
  std::string full = "  ";
  for (int i = 0; i < 25; ++i)
    full += "5a,";
  EXPECT_EQ(text,
            first + "\\\r\n" + full + "\\\r\n" + full + "\\\r\n" + full + "\\\r\n" + "  5a,5a");
}

TEST(RegFileWriter, SortsKeysAsATreeWithoutRegardToCase) {
  RegFile file;
  for (auto [root, path] :
       std::initializer_list<std::pair<RegHandle, const char*>>{{kLocalMachine, "b"},
                                                                {kCurrentUser, "B\\c"},
                                                                {kCurrentUser, "a b"},
                                                                {kCurrentUser, "a\\x"},
                                                                {kCurrentUser, "A"},
                                                                {kClassesRoot, "z"},
                                                                {kDynData, "d"}}) {
    file.keys.push_back({0, root, path, false, {}});
  }
  file.keys.push_back({0, kCurrentUser, "a", false, {{0, "later", false, Dword(2)}}});
  EXPECT_EQ(WrittenText(file),
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CLASSES_ROOT\\z]\r\n\r\n"
            "[HKEY_CURRENT_USER\\A]\r\n\r\n"
            "[HKEY_CURRENT_USER\\a]\r\n\"later\"=dword:00000002\r\n\r\n"
            "[HKEY_CURRENT_USER\\a\\x]\r\n\r\n"
            "[HKEY_CURRENT_USER\\a b]\r\n\r\n"
            "[HKEY_CURRENT_USER\\B\\c]\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\b]\r\n\r\n"
            "[HKEY_DYN_DATA\\d]\r\n\r\n");
}

TEST(RegFileWriter, WritesRemovals) {
  RegFile file;
  file.keys.push_back({0, kCurrentUser, "Old", true, {}});
  file.keys.push_back({0, kCurrentUser, "T", false, {{0, "v", true, {}}, {0, "", true, {}}}});
  std::string text = WrittenText(file);
  EXPECT_NE(text.find("[-HKEY_CURRENT_USER\\Old]\r\n"), std::string::npos);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\T]\r\n\"v\"=-\r\n@=-\r\n"), std::string::npos);
  RegFile back = ParseRegFile(WriteRegFile(file));
  EXPECT_TRUE(back.errors.empty());
  ASSERT_EQ(back.keys.size(), 2u);
  EXPECT_TRUE(back.keys[0].remove);
  EXPECT_TRUE(back.keys[1].values.at(1).remove);
}

}  // namespace
}  // namespace quellorn::platform
