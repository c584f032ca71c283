#include "primitives/file_eraser.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

namespace attr = platform::attr;

class FileApiTest : public testing::ProfileTest {
 protected:
  FileApiTest() { ctx.run.mode = EraseMode::kErase; }
};

TEST_F(FileApiTest, EraseRunRemovesFilesAndKeepsFolders) {
  Make("t\\a.txt");
  Make("t\\sub\\b.txt");
  for (std::int16_t antirecover : {0, 1}) {
    ctx.settings.antirecover = antirecover;
    EraseFolderTree(ctx, At("t\\"));
    EXPECT_FALSE(Exists("t\\a.txt"));
    EXPECT_FALSE(Exists("t\\sub\\b.txt"));
    EXPECT_TRUE(Exists("t\\sub"));
    Make("t\\a.txt");
    Make("t\\sub\\b.txt");
  }
  EXPECT_EQ(ctx.run.totals.files, 4);
  EXPECT_EQ(Log().find("Test Mode"), std::string::npos);
}

TEST_F(FileApiTest, SecureEraseTruncatesRenamesAndDeletes) {
  Make("t\\a.txt", "secret");
  faults.undeletable.insert(At("t\\file 0"));
  ctx.settings.OverWriteTimes = 0;
  EXPECT_FALSE(EraseFile(ctx, At("t\\a.txt")));
  EXPECT_FALSE(Exists("t\\file 0"));
  EXPECT_EQ(Read("t\\a.txt"), "");  // truncated, under its own name again
  faults.undeletable.clear();
  EXPECT_TRUE(EraseFile(ctx, At("t\\a.txt")));
  EXPECT_FALSE(Exists("t\\a.txt"));
}

TEST_F(FileApiTest, PassCountOutsideOneToTenIsTheNearerOfThem) {
  for (const auto& [stored, passes] : {std::pair{-3, 1}, {0, 1}, {4, 4}, {11, 10}, {500, 10}}) {
    Make("t\\a.txt", "secret");
    ctx.settings.OverWriteTimes = static_cast<std::int16_t>(stored);
    view.yields = 0;
    EXPECT_TRUE(EraseFile(ctx, At("t\\a.txt")));
    EXPECT_EQ(view.yields, passes) << stored;  // each pass yields once
  }
}

TEST_F(FileApiTest, HardLinkIsOnlyUnlinkedAndTheOtherNameKeepsItsData) {
  Make("elsewhere\\data.txt", "precious");
  machine.MakeFolder(At("t"));
  machine.HardLink(At("elsewhere\\data.txt"), At("t\\a.txt"));
  ctx.settings.OverWriteTimes = 2;
  OverwriteFile(ctx, At("t\\a.txt"));
  EraseFolderTree(ctx, At("t"));
  EXPECT_FALSE(Exists("t\\a.txt"));
  EXPECT_EQ(Read("elsewhere\\data.txt"), "precious");
  EXPECT_EQ(view.progress, std::vector<std::string>{"Erasing " + At("t\\a.txt") + " <OK>"});
}

TEST_F(FileApiTest, FolderThatCannotGoWholeKeepsItsNameAndWhatIsLeft) {
  Make("t\\one\\locked.txt", "in use");
  faults.undeletable.insert(At("t\\file 0\\locked.txt"));  // under the name it is given
  ctx.settings.OverWriteTimes = 1;
  EraseSubfolders(ctx, At("t"));
  EXPECT_EQ(Read("t\\one\\locked.txt"), "in use");
  EXPECT_FALSE(Exists("t\\file 0"));
  EXPECT_TRUE(view.progress.empty());
}

TEST_F(FileApiTest, TemporaryNameNeverTakesAnotherFile) {
  Make("t\\file 0", "someone else's file");
  Make("t\\file 0_1", "and another");
  Make("t\\a.txt", "secret");
  ctx.settings.OverWriteTimes = 1;
  EXPECT_TRUE(EraseFile(ctx, At("t\\a.txt")));
  EXPECT_FALSE(Exists("t\\a.txt"));
  EXPECT_EQ(Read("t\\file 0"), "someone else's file");
  EXPECT_EQ(Read("t\\file 0_1"), "and another");
}

TEST_F(FileApiTest, OverwritePassZeroesTheWholeFileInPlace) {
  const std::string content(2 * 1024 * 1024 + 5, 'x');
  Make("t\\big.bin", content);
  OverwriteFile(ctx, At("t\\big.bin"));
  EXPECT_EQ(Read("t\\big.bin"), std::string(content.size(), '\0'));
  EXPECT_EQ(view.yields, 1);
}

TEST_F(FileApiTest, OnlyReadOnlyArchiveAndHiddenReadOnlyAreReset) {
  // Files list as 0x21 (read-only), 0x23 (read-only, hidden) and 0x27 (with system).
  const struct {
    std::uint32_t attributes;
    bool reset;
  } cases[] = {{attr::kReadOnly, true},
               {attr::kReadOnly | attr::kHidden, true},
               {attr::kReadOnly | attr::kHidden | attr::kSystem, false}};
  // The temporary name cannot be deleted, so what is left shows whether the pass could write.
  faults.undeletable.insert(At("t\\file 0"));
  ctx.settings.OverWriteTimes = 1;
  for (const auto& c : cases) {
    Make("t\\a.txt", "content");
    ASSERT_EQ(os.files.SetAttributes(At("t\\a.txt"), c.attributes), platform::kSuccess);
    EraseFolderTree(ctx, At("t"));
    EXPECT_EQ(Read("t\\a.txt").empty(), c.reset) << c.attributes;
    EXPECT_EQ(os.files.GetAttributes(At("t\\a.txt")) & attr::kReadOnly, c.reset ? 0u : 1u);
    os.files.SetAttributes(At("t\\a.txt"), attr::kNormal);
    ASSERT_EQ(machine.platform().files.Delete(At("t\\a.txt")), platform::kSuccess);
  }
  EXPECT_EQ(ctx.run.totals.files, 0);
}

// A plain delete needs no rename.
TEST_F(FileApiTest, UndeletableFileIsNeitherCountedNorReportedAndTheWalkGoesOn) {
  Make("t\\a.txt");
  Make("t\\b.txt");
  Make("t\\c.txt");
  faults.unrenamable.insert(At("t\\a.txt"));
  faults.undeletable.insert(At("t\\b.txt"));
  ctx.settings.antirecover = 1;
  EraseFolderTree(ctx, At("t"));
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_EQ(SortedProgress(), (std::vector<std::string>{"Erasing " + At("t\\a.txt") + " <OK>",
                                                        "Erasing " + At("t\\c.txt") + " <OK>"}));
  EXPECT_TRUE(Exists("t\\b.txt"));
  EXPECT_FALSE(Exists("t\\a.txt"));
}

TEST_F(FileApiTest, SubfoldersGoWholeOrAreEntered) {
  Make("t\\top.txt");
  Make("t\\one\\a.txt");
  Make("t\\two\\inner\\b.txt");
  faults.undeletable.insert(At("t\\two"));
  ctx.settings.antirecover = 1;
  EraseSubfolders(ctx, At("t"));
  EXPECT_FALSE(Exists("t\\one"));
  EXPECT_TRUE(Exists("t\\two"));
  EXPECT_FALSE(Exists("t\\two\\inner"));
  EXPECT_TRUE(Exists("t\\top.txt"));
  EXPECT_EQ(SortedProgress(),
            (std::vector<std::string>{"Erasing Folder " + At("t\\one") + " <OK>",
                                      "Erasing Folder " + At("t\\two\\inner") + " <OK>"}));
  EXPECT_EQ(ctx.run.totals.files, 0);
}

// A link or junction inside a walked folder may lead anywhere on the disk: nothing it leads to
// may be overwritten, erased or even entered, whichever walk meets it.
TEST_F(FileApiTest, NoWalkFollowsALink) {
  ctx.settings.OverWriteTimes = 1;
  const std::string tree = machine.LinkedTree("folder_tree");
  EraseFolderTree(ctx, tree + "\\tree");
  EXPECT_FALSE(os.files.Exists(tree + "\\tree\\plain.txt"));
  const std::string matching = machine.LinkedTree("matching");
  EraseMatchingFiles(ctx, matching + "\\tree", "*.txt", true, nullptr);
  const std::string subfolders = machine.LinkedTree("subfolders");
  for (std::int16_t antirecover : {0, 1}) {
    ctx.settings.antirecover = antirecover;
    EraseSubfolders(ctx, subfolders + "\\tree");
  }
  for (const std::string& base : {tree, matching, subfolders}) {
    EXPECT_FALSE(os.files.Exists(base + "\\tree\\nested\\n.txt")) << base;
    ExpectOutsideIntact(base);
  }
}

class MatchingFilesTest : public FileApiTest {
 protected:
  void Erase(std::string_view pattern, bool subfolders, const clsIniFile* item = nullptr) {
    EraseMatchingFiles(ctx, At("m"), pattern, subfolders, item);
  }
  clsIniFile Item(const std::string& exclusions) {
    machine.WriteFile(ProgramFile("item.qk"), "[Info]\r\n" + exclusions);
    return clsIniFile(os.files, ProgramFile("item.qk"));
  }
};

TEST_F(MatchingFilesTest, SelectsWholeNamesInEitherWalk) {
  for (bool subfolders : {false, true}) {
    for (const char* name :
         {"a.tmp", "B.TMP", "a.tmp.bak", "foobar.txt", "bar.txt", "bar.txt.old", "sub\\c.tmp"})
      Make(std::string("m\\") + name);
    ctx.settings.antirecover = 1;
    Erase("*.tmp", subfolders);
    Erase("bar.txt", subfolders);
    for (const char* gone : {"m\\a.tmp", "m\\B.TMP", "m\\bar.txt"})
      EXPECT_FALSE(Exists(gone)) << gone;
    for (const char* kept : {"m\\a.tmp.bak", "m\\foobar.txt", "m\\bar.txt.old"})
      EXPECT_TRUE(Exists(kept)) << kept;
    EXPECT_EQ(Exists("m\\sub\\c.tmp"), !subfolders);
  }
}

// "*.*" and an empty pattern take every name.
TEST_F(MatchingFilesTest, CountsRoundedKilobytesAndReportsEachFile) {
  Make("m\\a.log", std::string(1536, 'x'));  // 1.5 KB rounds to 2
  Make("m\\b.log", std::string(2560, 'x'));  // 2.5 KB rounds to 2
  ctx.run.mode = EraseMode::kTest;
  Erase("*.log", false);
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 4.0f);
  EXPECT_EQ(view.status, "Test: Scanned Registry Keys: 0  Files: 2   HD Space: 0. MB");
  EXPECT_NE(Log().find("Test Mode: Erasing " + At("m\\a.log") + " <OK>\r\n"), std::string::npos);
  Make("m\\README");
  Erase("*.*", false);
  Erase("", false);
  EXPECT_EQ(ctx.run.totals.files, 2 + 3 + 3);
}

// The page file is never touched either.
TEST_F(MatchingFilesTest, ExclusionsSpareFullPathsInAnyCaseAtEveryDepth) {
  for (const char* name :
       {"m\\pagefile.sys", "m\\sub\\pagefile.sys", "m\\keep.txt", "m\\drop.txt",
        "m\\sub\\keep2.txt", "m\\sub\\drop2.txt", "m\\logs\\a.log", "m\\logs\\deeper\\b.log"})
    Make(name);
  std::string upper = At("m\\KEEP.TXT");
  const clsIniFile item =
      Item("ExFile1=" + upper + ",Subfolder\r\nExFile2=" + At("m\\sub\\keep2.txt") +
           "\r\nExFile3=" + At("m\\logs\\*.log") + "\r\nExFile5=" + At("m\\drop.txt") + "\r\n");
  EXPECT_TRUE(IsExcludedFile(&item, At("m\\keep.txt")));
  EXPECT_FALSE(IsExcludedFile(&item, At("m\\drop.txt")));  // ExFile4 ends the list
  EXPECT_FALSE(IsExcludedFile(nullptr, At("m\\keep.txt")));
  ctx.settings.antirecover = 1;
  Erase("*.*", true, &item);
  for (const char* kept : {"m\\keep.txt", "m\\sub\\keep2.txt", "m\\logs\\a.log",
                           "m\\logs\\deeper\\b.log", "m\\pagefile.sys", "m\\sub\\pagefile.sys"})
    EXPECT_TRUE(Exists(kept)) << kept;
  EXPECT_FALSE(Exists("m\\drop.txt"));
  EXPECT_FALSE(Exists("m\\sub\\drop2.txt"));
}

// The test run and the erase run take the same file: the one listed, not the one it types as.
TEST_F(MatchingFilesTest, ANameEndingInADotIsErasedAsListed) {
  Make("m\\keep.txt", "keep");
  machine.WriteListedFile(At("m\\keep.txt."), "dot");
  for (EraseMode mode : {EraseMode::kTest, EraseMode::kErase}) {
    ctx.run.mode = mode;
    Erase("*.", false);
  }
  EXPECT_EQ(Read("m\\keep.txt"), "keep");
  Erase("*.", false);
  EXPECT_EQ(ctx.run.totals.files, 2);
}

TEST_F(MatchingFilesTest, EditorTestListsOnly) {
  Make("m\\a.tmp");
  testing::RecordingEditorList list;
  ctx.editorTest.active = true;
  ctx.editorTest.list = &list;
  Erase("*.tmp", false);
  EXPECT_EQ(list.lines, std::vector<std::string>{"Erasing " + At("m\\a.tmp") + " <OK>"});
  EXPECT_EQ(ctx.editorTest.count, 1);
  EXPECT_EQ(ctx.run.totals.files, 0);
  EXPECT_TRUE(Exists("m\\a.tmp"));
  EXPECT_FALSE(os.files.Exists(ProgramFile("syslog.txt")));
}

TEST_F(MatchingFilesTest, BrokenListingEndsThatFolderWithItsSubfolders) {
  Make("m\\sub\\deep.tmp");
  for (int i = 0; i < 6; ++i)
    Make("m\\f" + std::to_string(i) + ".tmp");
  faults.brokenListing = At("m\\");
  faults.listingBreaksAfter = 3;
  ctx.run.mode = EraseMode::kTest;
  Erase("*.tmp", true);
  EXPECT_LE(ctx.run.totals.files, 3);
  for (const std::string& line : view.progress)
    EXPECT_EQ(line.find("deep.tmp"), std::string::npos) << line;
}

}  // namespace
}  // namespace quellorn
