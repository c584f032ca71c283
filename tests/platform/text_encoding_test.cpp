#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace quellorn::platform {
namespace {

TEST(TextEncoding, Utf8ToUtf16ReplacesEachBadByte) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
    bool valid;
  };
  const Case cases[] = {
      {"plain", u"plain", true},
      {"\xC3\xA9\xE2\x82\xAC", u"\u00e9\u20ac", true},
      {"\xF0\x9F\x98\x80", u"\U0001F600", true},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3), true},
      {"\xE9t\xE9", u"\ufffdt\ufffd", false},                    // Windows-1252, not UTF-8
      {"\xC0\xAF", u"\ufffd\ufffd", false},                      // overlong slash
      {"\xED\xA0\x80", u"\ufffd\ufffd\ufffd", false},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\ufffd\ufffd\ufffd\ufffd", false},  // past U+10FFFF
      {"\xE2\x82", u"\ufffd\ufffd", false},                      // cut short
      {"\x80", u"\ufffd", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(IsValidUtf8(c.utf8), c.valid) << c.utf8;
  }
}

TEST(TextEncoding, Utf16ToUtf8ReplacesLoneSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"\u00e9\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xDC00')), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(u"\xD83D\xD83D\xDE00")), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

TEST(TextEncoding, LittleEndianBytesRoundTrip) {
  std::vector<std::uint8_t> bytes = Utf16ToLeBytes(u"A\u20ac");
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x41, 0x00, 0xAC, 0x20}));
  EXPECT_EQ(LeBytesToUtf16(bytes.data(), bytes.size()), u"A\u20ac");
  EXPECT_EQ(LeBytesToUtf16(bytes.data(), 3), u"A");
}

TEST(TextEncoding, ReadsOldFilesAsWindows1252CoveringItsWholeRange) {
  EXPECT_EQ(Cp1252ToUtf16("\x80\x81\x8A\x9F\xA0\xE9\xFF"),
            u"\u20ac\u0081\u0160\u0178\u00a0\u00e9\u00ff");
  EXPECT_EQ(DecodeTextFile("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFplain"), "plain");
  EXPECT_EQ(DecodeTextFile("Caf\xC3\xA9"), "Caf\xC3\xA9");
  EXPECT_EQ(Utf8ToWindows1252("Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\x80"), "Caf\xE9 \x80 ?");
}

}  // namespace
}  // namespace quellorn::platform
