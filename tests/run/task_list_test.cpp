#include "run/task_list.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

class TaskListTest : public testing::ContextTest {
 protected:
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& task : view.tasks)
      texts.push_back(task.text + "|" + task.icon);
    return texts;
  }
};

TEST_F(TaskListTest, MissingSettingsListEveryBuiltInItemInRunOrder) {
  Addtask(ctx);
  ASSERT_EQ(view.tasks.size(), 24u);
  EXPECT_EQ(ctx.run.taskCount, 24);
  EXPECT_EQ(Texts().front(), "IE Location Bar|ie");
  EXPECT_EQ(view.tasks[7].text, "Netscape Cookies");
  EXPECT_EQ(view.tasks[11].icon, "Opera");
  EXPECT_EQ(view.tasks[17].text, "AOL history");
  EXPECT_EQ(view.tasks[17].icon, "Aol");
  EXPECT_EQ(Texts().back(), "Windows Recycle Bin|win");
}

// Nothing selected gives an empty list.
TEST_F(TaskListTest, PluginAndCustomItemsFollowBySelection) {
  ctx.settings.trackFlags.fill(1);
  view.tasks = {{"stale", "", ""}};
  Addtask(ctx);
  EXPECT_TRUE(view.tasks.empty());
  EXPECT_EQ(ctx.run.taskCount, 0);
  ctx.settings.flag(Track::kWindowsRun) = 0;
  machine.WriteFile(ProgramFile("plugins\\b player.qk"), "[Info]\r\nSelected = 0\r\n");
  machine.WriteFile(ProgramFile("plugins\\Archiver.qk"), "[Info]\r\nTitle = x\r\n");
  machine.WriteFile(ProgramFile("plugins\\skipped.qk"), "[Info]\r\nSelected = 1\r\n");
  machine.WriteFile(ProgramFile("plugins\\.qk"), "[Info]\r\n");
  machine.WriteFile(ProgramFile("plugins\\notes.txt"), "[Info]\r\n");
  machine.WriteFile(ProgramFile("plugins\\tool.exe"), "MZ");
  machine.MakeFolder(ProgramFile("plugins\\folder.qk"));
  machine.WriteFile(ProgramFile("Custom\\My Temp.qk"), "[Info]\r\nSelected = 0 \r\n");
  machine.WriteFile(ProgramFile("Custom\\Later.qk"), "[Info]\r\nSelected = 2\r\n");
  Addtask(ctx);
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"Windows Start Menu Run History|win", "|app", "Archiver|app",
                                      "b player|app", "folder|app", "My Temp|Cust"}));
  EXPECT_EQ(ctx.run.taskCount, 6);
}

}  // namespace
}  // namespace quellorn
