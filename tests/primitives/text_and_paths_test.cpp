#include "core/text_util.h"

#include <gtest/gtest.h>

#include "primitives/reg_path.h"
#include "primitives/wildcard.h"

namespace quellorn {
namespace {

using Pieces = std::vector<std::string>;

TEST(SplitText, AlwaysAppendsOneEmptyPiece) {
  EXPECT_EQ(SplitText("a,b", ","), (Pieces{"a", "b", ""}));
  EXPECT_EQ(SplitText("alone", ","), (Pieces{"alone", ""}));
  EXPECT_EQ(SplitText("", ","), (Pieces{"", ""}));
  EXPECT_EQ(SplitText("x,", ","), (Pieces{"x", "", ""}));
  EXPECT_EQ(SplitText(",,", ","), (Pieces{"", "", "", ""}));
  EXPECT_EQ(SplitText("aXbxc", "x"), (Pieces{"a", "b", "c", ""}));
  EXPECT_EQ(SplitText("a;;b", ";;"), (Pieces{"a", "b", ""}));
  EXPECT_EQ(SplitText("no delimiter", ""), (Pieces{"no delimiter", ""}));
}

TEST(FindLast, FindsTheLastOccurrence) {
  EXPECT_EQ(FindLast("C:\\Temp\\a.txt", "\\"), 8u);
  EXPECT_EQ(FindLast("abcABC", "abc"), 4u);
  EXPECT_EQ(FindLast("abcABC", "abc", 1, Compare::kBinary), 1u);
  EXPECT_EQ(FindLast("abc", "x"), 0u);
  EXPECT_EQ(FindLast("ab", "abc"), 0u);
  EXPECT_EQ(ReverseString("abc"), "cba");
}

TEST(ReplaceText, ReplacesFromTheStartUpToTheCount) {
  EXPECT_EQ(ReplaceText("%username%\\%username%", "%username%", "joe"), "joe\\joe");
  EXPECT_EQ(ReplaceText("aaa", "a", "aa"), "aaaaaa");  // no endless loop on growth
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 1, 2), "b-b-a");
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 2), "a-b-b");
  EXPECT_EQ(ReplaceText("%USERNAME%", "%username%", "joe"), "%USERNAME%");
  EXPECT_EQ(ReplaceText("%USERNAME%", "%username%", "joe", 1, -1, Compare::kText), "joe");
  EXPECT_EQ(ReplaceText("same", "", "x"), "same");
  EXPECT_EQ(ReplaceText("same", "s", "s"), "same");
}

TEST(RegistryPath, SplitsRootKeyAndParts) {
  const std::string path = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
  EXPECT_EQ(GetRootKey(path), platform::kCurrentUser);
  EXPECT_EQ(GetSubkeyPath(path), "Software\\Microsoft\\Internet Explorer\\TypedURLs");
  EXPECT_EQ(GetFolderPart(path), "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\");
  EXPECT_EQ(GetLastPart(path), "TypedURLs");
  EXPECT_EQ(GetRootKey("HKEY_LOCAL_MACHINE\\SOFTWARE"), platform::kLocalMachine);
  EXPECT_EQ(GetRootKey("HKEY_DYN_DATA\\x"), platform::kDynData);
  EXPECT_EQ(GetRootKey("hkey_current_user\\Software"), 0u);
  EXPECT_EQ(GetRootKey("HKEY_USERS\\.DEFAULT"), 0u);
  EXPECT_EQ(GetRootKey("HKEY_CURRENT_USER"), 0u);
  EXPECT_EQ(GetSubkeyPath("NoSlash"), "NoSlash");
  EXPECT_EQ(GetFolderPart("file.txt"), "");
  EXPECT_EQ(GetLastPart("file.txt"), "file.txt");
  EXPECT_EQ(GetFolderPart("C:\\WINDOWS\\Temp\\*.tmp"), "C:\\WINDOWS\\Temp\\");
  EXPECT_EQ(GetLastPart("C:\\WINDOWS\\Temp\\*.tmp"), "*.tmp");
}

TEST(FilePath, FullPathsStartAtADriveOrAShare) {
  for (const char* path : {"C:\\Program Files\\Netscape", "d:\\", "\\\\server\\share\\x"})
    EXPECT_TRUE(IsFullPath(path)) << path;
  for (const char* path :
       {"", "unknown value", "error440\\Mozilla", "\\users", "C:", "C:users", "1:\\x"})
    EXPECT_FALSE(IsFullPath(path)) << path;
}

// Whole names, letter case, "*.*" and the empty pattern: MatchingFilesTest, on real files.
TEST(WildcardMatch, MatchesWholeNamesIgnoringCase) {
  const struct {
    const char* name;
    const char* pattern;
    bool expected;
  } cases[] = {{"x.log", "?.log", true},
               {"xy.log", "?.log", false},
               {"\xC3\xA9.log", "?.log", true},
               {"abcabd", "*abd", true},
               {"abc", "a*b*c*", true},
               {"abc", "a*d", false},
               {"~WRL0001.tmp", "~*.tmp", true},
               {"", "*", true},
               {"name", "*", true}};
  for (const auto& c : cases)
    EXPECT_EQ(WildcardMatch(c.name, c.pattern), c.expected) << c.name << " / " << c.pattern;
}

TEST(MatchPattern, FindsPiecesInOrderAnywhere) {
  EXPECT_EQ(MatchPattern("C:\\Temp\\keep.txt", "C:\\TEMP\\KEEP.TXT"), 1u);
  EXPECT_EQ(MatchPattern("C:\\Temp\\sub\\keep.txt.bak", "C:\\Temp\\*.txt"), 1u);
  EXPECT_EQ(MatchPattern("C:\\Temp\\a.log", "C:\\Temp\\*.txt"), 0u);
  EXPECT_EQ(MatchPattern("C:\\Temp\\x", "Temp"), 4u);
  EXPECT_EQ(MatchPattern("anything", "*.*"), 1u);
  EXPECT_EQ(MatchPattern("aXb", "a*x*b"), 1u);  // the next piece is sought where one was found
  EXPECT_EQ(MatchPattern("ab", "b*a"), 0u);
  EXPECT_EQ(MatchPattern("ABC", "abc", 1, false), 0u);
}

}  // namespace
}  // namespace quellorn
