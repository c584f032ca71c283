#include "platform/name_fold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quellorn::platform {
namespace {

TEST(NameFold, FoldsExactlyTheLettersWineFolds) {
  struct Case {
    char16_t upper;
    char16_t lower;
    bool folds;
  };
  for (const Case& c : {Case{u'A', u'a', true},
                        Case{u'Z', u'z', true},
                        Case{u'\u00c0', u'\u00e0', true},
                        Case{u'\u00de', u'\u00fe', true},
                        Case{u'\u0178', u'\u00ff', true},
                        Case{u'\u0100', u'\u0101', true},
                        Case{u'\u0139', u'\u013a', true},
                        Case{u'\u03a3', u'\u03c3', true},
                        Case{u'\u0410', u'\u0430', true},
                        Case{u'\u0400', u'\u0450', true},
                        Case{u'\u1f88', u'\u1f80', true},
                        Case{u'\u24b6', u'\u24d0', true},
                        Case{u'\uff21', u'\uff41', true},
                        Case{u'\u01c4', u'\u01c6', true},
                        Case{u'\u01c5', u'\u01c5', false},
                        Case{u'\u0130', u'\u0130', false},
                        Case{u'\u212a', u'\u212a', false},
                        Case{u'\u1e9e', u'\u1e9e', false},
                        Case{u'\u00d7', u'\u00d7', false},
                        Case{u'_', u'_', false}}) {
    EXPECT_EQ(FoldCase(c.upper), c.lower) << std::hex << static_cast<int>(c.upper);
    EXPECT_EQ(FoldCase(c.lower), c.lower) << std::hex << static_cast<int>(c.lower);
  }
}

TEST(NameFold, SortsFoldedNamesAsUtf16CodeUnits) {
  // U+FFE0 sorts after the surrogates of U+10400, as UTF-16 code units do (UTF-8 would not).
  std::vector<std::string> names = {"\xEF\xBF\xA0", "\xF0\x90\x90\x80", "B", "a", "_", "\xC3\xA0"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return FoldName(a) < FoldName(b); });
  EXPECT_EQ(names, (std::vector<std::string>{"_", "a", "B", "\xC3\xA0", "\xF0\x90\x90\x80",
                                             "\xEF\xBF\xA0"}));
}

TEST(NameFold, ComparesWholeNames) {
  EXPECT_TRUE(SameName("Software", "SOFTWARE"));
  EXPECT_TRUE(SameName("\xC3\x84rger", "\xC3\xA4RGER"));
  EXPECT_FALSE(SameName("a", "ab"));
  EXPECT_FALSE(
      SameName("stra\xC3\x9F"
               "e",
               "STRASSE"));
}

}  // namespace
}  // namespace quellorn::platform
