#include "plugins/plugin_runner.h"

#include <gtest/gtest.h>

#include "plugins/plugin_fixture.h"
#include "run/erase_runner.h"
#include "run/task_list.h"

namespace quellorn {
namespace {

using platform::ShowStyle;

class PluginRunnerTest : public testing::PluginTest {
 protected:
  // The built-in items off, so that the task list holds the plugin and custom rows alone.
  void OnlyItemRows() {
    ctx.settings.trackFlags.fill(1);
    Addtask(ctx);
  }
};

TEST_F(PluginRunnerTest, RunsTheSelectedItemsOfBothFoldersOnTheirRows) {
  Item("plugins", "Paint.qk", "Selected = 0\r\n");
  Item("plugins", "Skipped.qk", "Selected = 1\r\n");
  Item("plugins", "Unmarked.qk", "");
  Item("Custom", "Downloads.qk", "Selected = 0\r\n");
  OnlyItemRows();
  ASSERT_EQ(ctx.run.taskCount, 3);
  StartTask(ctx);
  EXPECT_EQ(view.progress,
            (std::vector<std::string>{"Erasing Paint .....", "Erasing Unmarked .....",
                                      "Erasing Downloads ....."}));
  for (const auto& task : view.tasks) {
    EXPECT_EQ(task.status, "Done") << task.text;
    EXPECT_EQ(task.icon, "done") << task.text;
  }
  EXPECT_EQ(view.tasks.back().text, "Downloads");
  EXPECT_EQ(view.progressValues, (std::vector<int>{33, 66, 100}));
  EXPECT_EQ(view.taskScrolls, 3);
}

TEST_F(PluginRunnerTest, NumbersItsRowsAfterThoseAlreadyUsed) {
  Item("Custom", "Mine.qk", "");
  ctx.settings.trackFlags.fill(1);
  ctx.settings.flag(Track::kOperaCookies) = 0;
  ctx.settings.flag(Track::kAolCache) = 0;
  Addtask(ctx);
  ctx.run.mode = EraseMode::kTest;
  StartTask(ctx);
  EXPECT_EQ(view.tasks.at(2).text, "Mine");
  EXPECT_EQ(view.tasks.at(2).status, "Done");
  EXPECT_EQ(view.progressValues, (std::vector<int>{33, 66, 100}));
  EXPECT_EQ(view.progress.back(), "Test Mode: Erasing Mine .....");
}

TEST_F(PluginRunnerTest, AnItemAddedSinceTheListWasBuiltRunsWithoutTakingTheBarPastItsEnd) {
  Item("plugins", "First.qk", "");
  OnlyItemRows();
  Item("plugins", "Second.qk", "");
  ctx.run.mode = EraseMode::kTest;
  StartTask(ctx);
  EXPECT_EQ(view.progressValues, (std::vector<int>{100, 100}));
}

TEST_F(PluginRunnerTest, AnItemFileThatCannotBeReadIsNeitherListedNorRun) {
  LoadKey("", "Kept");
  const clsIniFile item =
      Item("plugins", "Off.qk", "Selected = 1\r\nDelRegKey1=" + Key("Kept") + "\r\n");
  faults.unopenable.insert(item.path());
  OnlyItemRows();
  EXPECT_EQ(ctx.run.taskCount, 0);
  faults.unopenable.clear();
  faults.failingCall = {testing::CallKind::kOpen, 1};  // the run's first reading alone
  StartTask(ctx);
  EXPECT_TRUE(view.progress.empty());
  EXPECT_TRUE(KeyExists("Kept"));
}

TEST_F(PluginRunnerTest, RunStartsOnlyAProgramLyingInThePluginsFolder) {
  machine.WriteFile(ProgramFile("plugins\\cleanup.exe"), "not really a program");
  machine.WriteFile(ProgramFile("evil.exe"), "outside the plugins folder");
  machine.WriteFile(ProgramFile("plugins\\tools\\tool.exe"), "in a subfolder");
  machine.MakeFolder(ProgramFile("plugins\\folder.exe"));
  ctx.run.mode = EraseMode::kTest;  // a test run starts nothing
  RunPluginItem(ctx, Plugin("Run=cleanup.exe\r\n"));
  EXPECT_TRUE(shell.starts.empty());
  ctx.run.mode = EraseMode::kErase;
  for (const std::string& run :
       {std::string("..\\evil.exe"), std::string("../evil.exe"), ProgramFile("evil.exe"),
        std::string("C:evil.exe"), std::string("tools\\tool.exe"), std::string("missing.exe"),
        std::string("folder.exe"), std::string(""), std::string("cleanup.exe /all")}) {
    RunPluginItem(ctx, Plugin("Run=" + run + "\r\n"));
    EXPECT_TRUE(shell.starts.empty()) << run;
    shell.starts.clear();
  }
  // A custom item's program, too, comes from the plugins folder.
  machine.WriteFile(ProgramFile("Custom\\cleanup.exe"), "the custom folder's");
  RunPluginItem(ctx, Item("Custom", "mine.qk", "Run = cleanup.exe\r\n"));
  ASSERT_EQ(shell.starts.size(), 1u);
  EXPECT_EQ(shell.starts[0].target, "\"" + ProgramFile("plugins\\cleanup.exe") + "\"");
  EXPECT_EQ(shell.starts[0].style, ShowStyle::kHidden);
}

TEST_F(PluginRunnerTest, EditorTestListsWhatWouldGoAndChangesNothing) {
  LoadKey("\"Name1\"=\"one\"\r\n\"Last\"=\"last\"\r\n\"Folder\"=\"f\"\r\n");
  LoadKey("", "Sessions\\Session1");
  LoadKey("", "Clipboard");
  Make("data\\a.tmp", "x");
  Make("data\\list.txt", "recent\r\n");
  machine.WriteFile(ProgramFile("plugins\\cleanup.exe"), "x");
  const clsIniFile item =
      Item("", "temp.qk",
           "DelRegValueList1=" + Key() + ",name\r\nDelRegValue1=" + Key() + ",Last\r\n" +
               "DelRegValue2=" + Key() + ",Missing\r\nDelRegKeyList1=" + Key("Sessions") +
               ",Session\r\nDelRegKey1=" + Key("Clipboard") + "\r\nDelRegKey2=" + Key("Missing") +
               "\r\nUpdateRegValue1=" + Key() + ",Folder,g\r\nDelFile1=" + At("data\\*.tmp") +
               "\r\nUpdateFile1=" + At("data\\list.txt") + ",recent\r\nRun=cleanup.exe\r\n");
  // The fixture's erase mode stands for what the last run left.
  testing::RecordingEditorList list;
  EXPECT_EQ(RunEditorTest(ctx, item, list), 6);
  EXPECT_EQ(list.lines,
            (std::vector<std::string>{
                "Erasing Registry Key Value: one <OK>",
                "Erasing Registry Key Value: Last <OK>",
                "Erasing Registry Key : " + std::string(kSubKey) + "\\Sessions\\Session1 <OK>",
                "Erasing Registry Key: " + Key("Clipboard") + " <OK>",
                "Erasing " + At("data\\a.tmp") + " <OK>",
            }));
  EXPECT_FALSE(ctx.editorTest.active);
  EXPECT_EQ(Value("Name1"), "one");
  EXPECT_EQ(Value("Last"), "last");
  EXPECT_EQ(Value("Folder"), "f");
  EXPECT_TRUE(KeyExists("Sessions\\Session1"));
  EXPECT_TRUE(KeyExists("Clipboard"));
  EXPECT_TRUE(Exists("data\\a.tmp"));
  EXPECT_EQ(Read("data\\list.txt"), "recent\r\n");
  EXPECT_TRUE(shell.starts.empty());
  EXPECT_TRUE(view.progress.empty());
  EXPECT_EQ(ctx.run.totals.registryKeys, 0);
  EXPECT_EQ(ctx.run.totals.files, 0);
  EXPECT_FALSE(os.files.Exists(ProgramFile("syslog.txt")));
}

}  // namespace
}  // namespace quellorn
