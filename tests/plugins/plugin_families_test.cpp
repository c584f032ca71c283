#include <gtest/gtest.h>

#include "plugins/plugin_fixture.h"
#include "plugins/plugin_runner.h"

namespace quellorn {
namespace {

class PluginFamiliesTest : public testing::PluginTest {
 protected:
  // One entry of every family, written in the reverse of the order they run in.
  clsIniFile EveryFamily() {
    LoadKey(
        "\"MRU1\"=\"first.txt\"\r\n\"Other\"=\"kept\"\r\n\"Last\"=\"last.txt\"\r\n"
        "\"Folder\"=\"C:\\\\Private\"\r\n");
    LoadKey("", "Sessions\\Session1");
    LoadKey("", "Clipboard");
    Make("data\\cache.tmp", std::string(2048, 't'));
    Make("data\\app.ini", "[Editor]\r\nrecent1=a.txt\r\nwidth=5\r\n");
    return Plugin("UpdateFile1=" + At("data\\app.ini") + ",recent\r\n" +
                  "DelFile1=" + At("data\\*.tmp") + "\r\n" + "UpdateRegValue1=" + Key() +
                  ",Folder,C:\\\r\n" + "DelRegKey1=" + Key("Clipboard") + "\r\n" +
                  "DelRegKeyList1=" + Key("Sessions") + ",Session\r\n" + "DelRegValue1=" + Key() +
                  ",Last\r\n" + "DelRegValueList1=" + Key() + ",mru\r\n");
  }
  std::vector<std::string> ExpectedLines(std::string_view prefix) const {
    const std::string p(prefix);
    return {p + "Erasing Registry Key Value: first.txt <OK>",
            p + "Erasing Registry Key Value: Last <OK>",
            p + "Erasing Registry Key: " + std::string(kSubKey) + "\\Sessions\\Session1 <OK>",
            p + "Erasing Registry Key: " + Key("Clipboard") + " <OK>",
            p + "Erasing Registry Key Value: C:\\Private <OK>",
            p + "Erasing " + At("data\\cache.tmp") + " <OK>",
            p + "Updated file: " + At("data\\app.ini") + " <OK>"};
  }
};

// The erase run that follows the test run finds every entry again: the test run changed nothing.
TEST_F(PluginFamiliesTest, TestRunCountsEveryFamilyInOrderAndTheEraseRunActsOnIt) {
  const clsIniFile item = EveryFamily();
  ctx.run.mode = EraseMode::kTest;
  RunPluginItem(ctx, item);
  EXPECT_EQ(view.progress, ExpectedLines("Test Mode: "));
  EXPECT_EQ(ctx.run.totals.registryKeys, 5);
  EXPECT_EQ(ctx.run.totals.files, 1);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 2.0f);
  EXPECT_EQ(Read("data\\app.ini"), "[Editor]\r\nrecent1=a.txt\r\nwidth=5\r\n");
  EXPECT_NE(Log().find("Test Mode: Updated file: "), std::string::npos);

  view.progress.clear();
  ctx.run.mode = EraseMode::kErase;
  ctx.settings.antirecover = 1;
  RunPluginItem(ctx, item);
  EXPECT_EQ(view.progress, ExpectedLines(""));
  EXPECT_EQ(Value("MRU1"), std::string(kReadFailed));
  EXPECT_EQ(Value("Other"), "kept");
  EXPECT_EQ(Value("Last"), std::string(kReadFailed));
  EXPECT_EQ(Value("Folder"), "C:\\");
  EXPECT_FALSE(KeyExists("Sessions\\Session1"));
  EXPECT_TRUE(KeyExists("Sessions"));
  EXPECT_FALSE(KeyExists("Clipboard"));
  EXPECT_FALSE(Exists("data\\cache.tmp"));
  EXPECT_EQ(Read("data\\app.ini"), "[Editor]\r\nwidth=5\r\n");
  EXPECT_FALSE(Exists("data\\app.ini.old"));
  EXPECT_EQ(ctx.run.totals.registryKeys, 10);
}

TEST_F(PluginFamiliesTest, FamiliesEndAtTheirStopConditions) {
  LoadKey("\"Present\"=\"x\"\r\n\"A1\"=\"a\"\r\n\"B1\"=\"b\"\r\n");
  Make("data\\keep.txt", "drop me\r\nkeep me\r\n");
  const clsIniFile item = Plugin(
      // A missing value is passed over; the next entry is still read.
      "DelRegValue1=" + Key() + ",Missing\r\nDelRegValue2=" + Key() + ",Present\r\n" +
      // An empty filter ends the family before the entry that would take every value.
      "DelRegValueList1=" + Key() + ",\r\nDelRegValueList2=" + Key() + ",all\r\n" +
      // A missing key is passed over too; a root is refused.
      "DelRegKey1=" + Key("Missing") + "\r\nDelRegKey2=HKEY_CURRENT_USER\\\r\n" +
      // A missing file ends the family.
      "UpdateFile1=" + At("data\\missing.txt") + ",drop\r\nUpdateFile2=" + At("data\\keep.txt") +
      ",drop\r\n" +
      // Only the first of numbers 1 and 3 is read.
      "UpdateRegValue1=" + Key() + ",A1,changed\r\nUpdateRegValue3=" + Key() + ",B1,changed\r\n");
  RunPluginItem(ctx, item);
  EXPECT_EQ(view.progress,
            (std::vector<std::string>{"Erasing Registry Key Value: Present <OK>",
                                      "Refused: HKEY_CURRENT_USER is a protected registry key",
                                      "Erasing Registry Key Value: a <OK>"}));
  EXPECT_EQ(Value("Present"), std::string(kReadFailed));
  EXPECT_EQ(Value("A1"), "changed");
  EXPECT_EQ(Value("B1"), "b");
  EXPECT_EQ(Read("data\\keep.txt"), "drop me\r\nkeep me\r\n");
}

TEST_F(PluginFamiliesTest, UpdateRegValueEmptiesButNeverCreatesAndAnUnreadableItemRunsNothing) {
  LoadKey("\"Typed\"=\"secret\"\r\n");
  const clsIniFile item =
      Plugin("UpdateRegValue1=" + Key() + ",Typed\r\nUpdateRegValue2=" + Key() + ",Absent,new\r\n");
  RunPluginItem(ctx, item);
  EXPECT_EQ(Value("Typed"), "");
  EXPECT_EQ(Value("Absent"), std::string(kReadFailed));
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
  // An item that cannot be read runs nothing.
  LoadKey("\"Last\"=\"x\"\r\n");
  const clsIniFile unreadable = Plugin("DelRegValue1=" + Key() + ",Last\r\n");
  faults.unopenable.insert(unreadable.path());
  view.progress.clear();
  RunPluginItem(ctx, unreadable);
  EXPECT_EQ(Value("Last"), "x");
  EXPECT_TRUE(view.progress.empty());
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
}

// The macros themselves are the plugin file's (plugin_file_test); here, that both file families
// expand them.
TEST_F(PluginFamiliesTest, FileFamiliesExpandThePathMacros) {
  system.userName = "joe";
  system.windowsFolder = At("WINDOWS");
  ShellFolders({{"AppData", "AppData"}});
  for (const char* file : {"home\\joe\\a.tmp", "WINDOWS\\Temp\\c.tmp", "AppData\\Editor\\d.bak"})
    Make(file, "x");
  Make("AppData\\Editor\\editor.ini", "mru=a\r\nsize=1\r\n");
  const clsIniFile item =
      Plugin("DelFile1=" + At("home\\%username%\\*.tmp") + "\r\n" +
             "DelFile2=%win%\\Temp\\*.tmp\r\n" + "DelFile3=%appdata%\\Editor\\*.bak\r\n" +
             "UpdateFile1=%appdata%\\Editor\\editor.ini,MRU\r\n");
  ctx.settings.antirecover = 1;
  RunPluginItem(ctx, item);
  for (const char* file : {"home\\joe\\a.tmp", "WINDOWS\\Temp\\c.tmp", "AppData\\Editor\\d.bak"})
    EXPECT_FALSE(Exists(file)) << file;
  EXPECT_EQ(Read("AppData\\Editor\\editor.ini"), "size=1\r\n");
  EXPECT_EQ(view.progress.back(), "Updated file: " + At("AppData") + "\\Editor\\editor.ini <OK>");
}

TEST_F(PluginFamiliesTest, DelFileHonoursSubfoldersAndTheItemsExclusions) {
  for (const char* file : {"d\\a.part", "d\\keep.part", "d\\old\\b.part", "e\\c.part"})
    Make(file, "x");
  const clsIniFile item =
      Plugin("DelFile1=" + At("d\\*.part") + ",Subfolder\r\n" + "DelFile2=" + At("e\\*.part") +
             ",subfolder\r\n" + "ExFile1=" + At("d\\keep.part") + "\r\n");
  ctx.settings.antirecover = 1;
  RunPluginItem(ctx, item);
  EXPECT_FALSE(Exists("d\\a.part"));
  EXPECT_FALSE(Exists("d\\old\\b.part"));
  EXPECT_TRUE(Exists("d\\keep.part"));
  EXPECT_FALSE(Exists("e\\c.part"));
  EXPECT_EQ(ctx.run.totals.files, 3);
}

TEST_F(PluginFamiliesTest, DelFileWithoutAFullFolderErasesNothing) {
  Make("d\\a.tmp", "x");
  const clsIniFile item = Plugin(
      "DelFile1=\r\nDelFile2=*.tmp\r\nDelFile3=%appdata%\\*.tmp\r\n"
      "DelFile4=" +
      At("d\\a.tmp") + "\r\n");
  ShellFolders({{"AppData", nullptr}});
  ctx.run.mode = EraseMode::kTest;
  RunPluginItem(ctx, item);
  EXPECT_EQ(view.progress,
            std::vector<std::string>{"Test Mode: Erasing " + At("d\\a.tmp") + " <OK>"});
}

TEST_F(PluginFamiliesTest, UpdateFileRemovesMatchingLinesAndAnEmptyTextKeepsOnlyEmptyLines) {
  Make("f\\list.txt", "Recent=a\r\nrecent=b\nother\r\n\r\nlast");
  Make("f\\blank.txt", "one\r\n\r\ntwo\r\n");
  const clsIniFile item = Plugin("UpdateFile1=" + At("f\\list.txt") + ",RECENT\r\n" +
                                 "UpdateFile2=" + At("f\\blank.txt") + "\r\n");
  RunPluginItem(ctx, item);
  EXPECT_EQ(Read("f\\list.txt"), "other\r\n\r\nlast\r\n");
  EXPECT_EQ(Read("f\\blank.txt"), "\r\n");
  EXPECT_EQ(view.progress,
            (std::vector<std::string>{"Updated file: " + At("f\\list.txt") + " <OK>",
                                      "Updated file: " + At("f\\blank.txt") + " <OK>"}));
  EXPECT_EQ(ctx.run.totals.files, 0);
  EXPECT_FALSE(Exists("f\\list.txt.old"));
}

TEST_F(PluginFamiliesTest, UpdateFileThatCannotBeWrittenOrIsALinkKeepsItsContent) {
  Make("f\\list.txt", "recent=a\r\nother\r\n");
  faults.fullDisk = At("f");
  RunPluginItem(ctx, Plugin("UpdateFile1=" + At("f\\list.txt") + ",recent\r\n"));
  EXPECT_EQ(Read("f\\list.txt"), "recent=a\r\nother\r\n");
  EXPECT_FALSE(Exists("f\\list.txt.old"));
  EXPECT_TRUE(view.progress.empty());
  // Nor does it follow a link: the link and what it points to stay as they are.
  faults.fullDisk.clear();
  const std::string base = machine.LinkedTree("update_file");
  RunPluginItem(ctx, Plugin("UpdateFile1=" + base + "\\file_link,alpha\r\n"));
  EXPECT_EQ(machine.ReadFile(base + "\\outside\\a.txt"), "alpha");
  std::uint32_t names = 0;  // the link and the file it leads to
  EXPECT_EQ(os.files.LinkCount(base + "\\file_link", names), platform::kSuccess);
  EXPECT_EQ(names, 2u);
  EXPECT_TRUE(view.progress.empty());
}

}  // namespace
}  // namespace quellorn
