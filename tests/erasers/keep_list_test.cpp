#include "erasers/keep_list.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

using Lines = std::vector<std::string>;

class KeepListTest : public testing::ContextTest {
 protected:
  // The names in the program folder that name a list's file, whatever their letter case.
  Lines NamesLike(std::string_view name) {
    Lines names;
    auto listing = os.files.List(ctx.programFolder);
    for (platform::DirEntry entry; listing && listing->Next(entry);)
      if (EqualsIgnoreCase(entry.name, name)) names.push_back(entry.name);
    return names;
  }
};

TEST_F(KeepListTest, EveryLineKeepsItsNumber) {
  const struct {
    const char* content;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"  padded  \r\n\r\n\t\r\nlast", {"padded", "", "", "last"}},
      {"unix\nmac\rdos\r\n", {"unix", "mac", "dos"}},
      {"\r\n\r\n", {"", ""}},
      // Files of older installations are Windows-1252.
      {"caf\xe9.txt\r\n", {"caf\xc3\xa9.txt"}},
  };
  for (const auto& c : cases) {
    machine.WriteFile(ProgramFile("Cookies.txt"), c.content);
    EXPECT_EQ(ReadKeepListFile(ctx, KeepListKind::kCookies), c.lines) << c.content;
  }
  EXPECT_EQ(ReadKeepListFile(ctx, KeepListKind::kPlugins), Lines{});
}

TEST_F(KeepListTest, EntriesMatchWholeAndInTheirLetterCase) {
  machine.WriteFile(ProgramFile("Url.txt"), "http://example.com/\r\n\r\nhttp://b.example/\r\n");
  const KeepList keep = KeepList::Load(ctx, KeepListKind::kUrl).value();
  EXPECT_EQ(keep.entries.size(), 3u);
  EXPECT_TRUE(keep.Keeps("http://example.com/"));
  EXPECT_TRUE(keep.Keeps("http://b.example/"));
  EXPECT_FALSE(keep.Keeps("HTTP://EXAMPLE.COM/"));
  EXPECT_FALSE(keep.Keeps("http://example.com"));
  EXPECT_FALSE(keep.Keeps("example.com"));
  EXPECT_FALSE(KeepList::Load(ctx, KeepListKind::kCookies)->Keeps(""));
}

TEST_F(KeepListTest, WritingReplacesTheFileWithOneLineAnEntryOrKeepsItWhole) {
  machine.WriteFile(ProgramFile("Plugins.txt"), "old\r\nolder\r\noldest\r\n");
  EXPECT_EQ(WriteKeepListFile(ctx, KeepListKind::kPlugins, {"npdsplay.dll", "", "caf\xc3\xa9.dll"}),
            platform::kSuccess);
  EXPECT_EQ(machine.ReadFile(ProgramFile("Plugins.txt")),
            "npdsplay.dll\r\n\r\ncaf\xc3\xa9.dll\r\n");
  EXPECT_EQ(WriteKeepListFile(ctx, KeepListKind::kPlugins, {}), platform::kSuccess);
  EXPECT_EQ(machine.ReadFile(ProgramFile("Plugins.txt")), "");
  // A first entry that starts with a byte order mark reads back with it.
  const Lines marked{"\xEF\xBB\xBFnpplugin.dll", "ind"};
  ASSERT_EQ(WriteKeepListFile(ctx, KeepListKind::kPlugins, marked), platform::kSuccess);
  EXPECT_EQ(ReadKeepListFile(ctx, KeepListKind::kPlugins), marked);
  // A failed write keeps the old list.
  machine.WriteFile(ProgramFile("Cookies.txt"), "joe@example[1].txt\r\n");
  faults.fullDisk = programFolder;
  EXPECT_NE(WriteKeepListFile(ctx, KeepListKind::kCookies, {"a.txt", "b.txt"}), platform::kSuccess);
  EXPECT_EQ(ReadKeepListFile(ctx, KeepListKind::kCookies), Lines{"joe@example[1].txt"});
  EXPECT_EQ(NamesLike("Cookies.txt.new"), Lines{});
}

// Older versions wrote "Url.txt" and read "url.txt": where names are case-sensitive, the
// program must still find one file, whichever spelling made it.
TEST_F(KeepListTest, OneFileWhicheverSpellingMadeIt) {
  machine.WriteFile(ProgramFile("url.txt"), "http://kept.example/\r\n");
  EXPECT_EQ(ReadKeepListFile(ctx, KeepListKind::kUrl), Lines{"http://kept.example/"});
  ASSERT_EQ(WriteKeepListFile(ctx, KeepListKind::kUrl, {"http://new.example/"}),
            platform::kSuccess);
  EXPECT_EQ(NamesLike("url.txt"), Lines{"url.txt"});
  EXPECT_EQ(machine.ReadFile(ProgramFile("url.txt")), "http://new.example/\r\n");
  EXPECT_EQ(KeepListPath(ctx, KeepListKind::kUrl), ctx.programFolder + "\\Url.txt");
}

TEST_F(KeepListTest, ModeTextsNameTheLists) {
  EXPECT_EQ(KeepListKindOf("cookies"), KeepListKind::kCookies);
  EXPECT_EQ(KeepListKindOf("url"), KeepListKind::kUrl);
  EXPECT_EQ(KeepListKindOf("plugins"), KeepListKind::kPlugins);
  for (const char* other : {"", "Cookies", "URL", "plugin"})
    EXPECT_FALSE(KeepListKindOf(other).has_value()) << other;
}

}  // namespace
}  // namespace quellorn
