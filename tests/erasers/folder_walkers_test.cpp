#include "erasers/folder_walkers.h"

#include <gtest/gtest.h>

#include "support/profile_fixture.h"

namespace quellorn {
namespace {

using Lines = std::vector<std::string>;

class FolderWalkersTest : public testing::ProfileTest {
 protected:
  FolderWalkersTest() { ctx.run.mode = EraseMode::kErase; }
  std::string Line(std::string_view prefix, std::string_view relative) {
    return std::string(prefix) + "Erasing " + At(relative) + " <OK>";
  }
  KeepList Keep(KeepListKind kind) { return KeepList::Load(ctx, kind).value(); }
};

// Index files (in any letter case) and keep-listed names are spared by both passes, and files
// below a subfolder are counted once: the totals are what the erase run removes.
TEST_F(FolderWalkersTest, KeepFolderCountsExactlyWhatItErases) {
  machine.WriteFile(ProgramFile("Cookies.txt"), "joe@bank[2].txt\r\n");
  Make("c\\joe@ads[1].txt", std::string(2048, 'a'));
  Make("c\\joe@bank[2].txt", "kept");
  Make("c\\INDEX.DAT", std::string(512, 'i'));
  Make("c\\Index.dat.bak");
  Make("c\\old_index.dat");
  Make("c\\sub\\deep.txt", std::string(1024, 'd'));
  CountKeepFolder(ctx, At("c"), Keep(KeepListKind::kCookies));
  EraseKeepFolder(ctx, At("c"), Keep(KeepListKind::kCookies));
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 3.0f);
  EXPECT_EQ(SortedProgress(), (Lines{Line("", "c\\joe@ads[1].txt"), Line("", "c\\sub\\deep.txt")}));
  EXPECT_FALSE(Exists("c\\joe@ads[1].txt"));
  EXPECT_FALSE(Exists("c\\sub\\deep.txt"));
  EXPECT_EQ(Read("c\\joe@bank[2].txt"), "kept");
  EXPECT_TRUE(Exists("c\\INDEX.DAT"));
  EXPECT_TRUE(Exists("c\\sub"));
}

TEST_F(FolderWalkersTest, FileThatCannotGoIsTakenBackOutOfTheTotals) {
  Make("c\\locked.txt", std::string(1500, 'l'));
  Make("c\\free.txt", std::string(700, 'f'));
  Lock("c\\locked.txt");
  CountKeepFolder(ctx, At("c"), Keep(KeepListKind::kCookies));
  EXPECT_EQ(ctx.run.totals.files, 2);
  EraseKeepFolder(ctx, At("c"), Keep(KeepListKind::kCookies));
  EXPECT_EQ(ctx.run.totals.files, 1);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 700.0f / 1024);
  EXPECT_EQ(view.progress, Lines{Line("", "c\\free.txt")});
  EXPECT_EQ(Read("c\\locked.txt"), std::string(1500, 'l'));
}

TEST_F(FolderWalkersTest, TreeCountsWithAndWithoutIndexFiles) {
  Make("t\\a.txt", std::string(1024, 'a'));
  Make("t\\sub\\b.txt", std::string(2048, 'b'));
  Make("t\\sub\\index.dat", std::string(512, 'i'));
  Make("t\\sub\\deeper\\MSHist_INDEX.DAT", std::string(256, 'm'));
  // Not a folder of the browser's: neither entered nor counted.
  Make("t\\.hidden\\c.txt", std::string(100, 'c'));
  CountTree(ctx, At("t"));
  EXPECT_EQ(ctx.run.totals.files, 4);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 3.75f);
  ctx.run.totals = {};
  CountTreeSkipIndex(ctx, At("t\\"));
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 3.0f);
  EXPECT_TRUE(view.progress.empty());
}

TEST_F(FolderWalkersTest, QuietTreeEraseTakesFoldersWholeOrWhatItCan) {
  Make("t\\a.txt");
  Make("t\\one\\b.txt");
  Make("t\\busy\\in.txt");
  Make("t\\busy\\locked.txt", "in use");
  Lock("t\\busy");
  Lock("t\\busy\\locked.txt");
  EraseTreeQuiet(ctx, At("t"));
  for (const char* gone : {"t\\a.txt", "t\\one", "t\\busy\\in.txt"})
    EXPECT_FALSE(Exists(gone)) << gone;
  EXPECT_EQ(Read("t\\busy\\locked.txt"), "in use");
  EXPECT_EQ(ctx.run.totals.files, 0);
  EXPECT_TRUE(view.progress.empty());
  EXPECT_EQ(Log(), "");
}

// A link to a folder may lead anywhere on the disk: no walk counts, erases or enters what it
// leads to.
TEST_F(FolderWalkersTest, WalksNeverFollowALink) {
  const std::string counted = machine.LinkedTree("count_tree");
  CountTree(ctx, counted + "\\tree");
  EXPECT_EQ(ctx.run.totals.files, 2);

  const std::string kept = machine.LinkedTree("keep_folder");
  CountKeepFolder(ctx, kept + "\\tree", Keep(KeepListKind::kCookies));
  EraseKeepFolder(ctx, kept + "\\tree", Keep(KeepListKind::kCookies));
  EXPECT_FALSE(os.files.Exists(kept + "\\tree\\nested\\n.txt"));
  const std::string quiet = machine.LinkedTree("quiet_tree");
  EraseTreeQuiet(ctx, quiet + "\\tree");
  EXPECT_FALSE(os.files.Exists(quiet + "\\tree\\plain.txt"));
  for (const std::string& base : {kept, quiet})
    ExpectOutsideIntact(base);
  for (const std::string& line : view.progress)
    EXPECT_EQ(line.find("outside"), std::string::npos) << line;
}

}  // namespace
}  // namespace quellorn
