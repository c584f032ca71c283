#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace quellorn::platform {
namespace {

TEST(TextEncoding, RoundTripsUtf16IncludingSurrogatePairs) {
  const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";  // Café € 😀
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide, u"Caf\u00E9 \u20AC \U0001F600");
  EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(TextEncoding, ReplacesBrokenSequences) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // encoded surrogate
}

TEST(TextEncoding, ReadsOldFilesAsWindows1252) {
  EXPECT_EQ(DecodeTextFile("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFplain"), "plain");
  EXPECT_EQ(DecodeTextFile("Caf\xC3\xA9"), "Caf\xC3\xA9");
  EXPECT_EQ(Utf8ToWindows1252("Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\x80"), "Caf\xE9 \x80 ?");
}

}  // namespace
}  // namespace quellorn::platform
