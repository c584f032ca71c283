#include "run/erase_runner.h"

#include <gtest/gtest.h>

#include "core/track.h"
#include "run/task_list.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

class EraseRunnerTest : public testing::ProfileTest {
 protected:
  EraseRunnerTest() {
    // The runs here must reach nothing outside the test's own folder, also on a real system:
    // the Windows folder and the cookie folder are the test's, and the items chosen below
    // look only where nothing is set up.
    machine.MakeFolder(At("Cookies"));
    ShellFolders({{"Cookies", "Cookies"}});
    // Nothing selected unless a test selects it: every flag off.
    ctx.settings.trackFlags.fill(1);
    ctx.settings.stealth = 1;
    ctx.settings.Resultwin = 1;
  }
  void Select(std::initializer_list<Track> tracks) {
    for (Track track : tracks)
      ctx.settings.flag(track) = 0;
    Addtask(ctx);
  }
  std::string Setting(const char* key) { return ctx.settingsFile.GetSetting("General", key); }
};

const char* const kStamp = "3/7/2024 1:05:09 PM";

TEST_F(EraseRunnerTest, EraseRunWithNothingSelectedLogsAWholeBlock) {
  Addtask(ctx);
  EraseNow(ctx);
  const std::string block = std::string("-----------Start to Erase------------------------at ") +
                            kStamp +
                            "\r\n"
                            "Registry Keys Erased: 0, Files Erased: 0 ,Released HD Space: 0. MB\r\n"
                            "-----------Task Completed Successfully-----------at " +
                            kStamp + "\r\n";
  EXPECT_EQ(Log(), block);
  EraseNow(ctx);
  EXPECT_EQ(Log(), block + block);
  EXPECT_EQ(view.confirmations, 2);
  EXPECT_EQ(view.progress,
            (std::vector<std::string>{
                std::string("Start to Erase------------------------------------at ") + kStamp,
                std::string("Task Completed Successfully-----------at ") + kStamp}));
  EXPECT_EQ(view.status, "Erased Registry Keys: 0  Files: 0   Released HD Space: 0. MB");
  EXPECT_EQ(Setting("LastErased"), kStamp);
  EXPECT_TRUE(view.eraseEnabled);
  EXPECT_TRUE(view.trayExitEnabled);
  EXPECT_FALSE(view.progressBarVisible);
  EXPECT_EQ(view.eraseCaption, "&Erase Now");
  // Warning=1 skips the confirmation, whatever it would have answered.
  ctx.settingsFile.SaveSetting("General", "Warning", "1");
  view.confirmAnswer = EraseMode::kNone;
  EraseNow(ctx);
  EXPECT_EQ(view.confirmations, 2);
  EXPECT_EQ(ctx.run.mode, EraseMode::kErase);
  EXPECT_EQ(Log(), block + block + block);
}

TEST_F(EraseRunnerTest, ResultWindowFollowsStealthAndSettingAndClosesItselfAfterATrigger) {
  Addtask(ctx);
  EraseNow(ctx);
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_EQ(view.results[0].title, "Task Completed");
  EXPECT_EQ(view.results[0].message,
            std::string(21, ' ') + "Task Completed Successfully!" + std::string(19, ' ') +
                "\r\n\r\nRegistry Keys Erased: 0, Files Erased: 0 ,Released HD Space: 0. MB");
  EXPECT_FALSE(view.results[0].autoClose);

  ctx.run.triggered = true;
  ctx.run.mode = EraseMode::kErase;
  EraseNow(ctx);
  ASSERT_EQ(view.results.size(), 2u);
  EXPECT_TRUE(view.results[1].autoClose);
  EXPECT_EQ(view.confirmations, 1) << "a triggered run asks nothing";

  ctx.run.triggered = false;
  ctx.settings.stealth = 0;
  EraseNow(ctx);
  ctx.settings.stealth = 1;
  ctx.settings.Resultwin = 0;
  EraseNow(ctx);
  EXPECT_EQ(view.results.size(), 2u);
  EXPECT_TRUE(view.eraseEnabled);
}

TEST_F(EraseRunnerTest, AFailedSaveOfTheSettingsIsReportedAndLosesNothing) {
  machine.WriteFile(ProgramFile("settings.dat"), "[IE]\r\nCookies=1\r\n");
  faults.unreplaceable.insert(ProgramFile("settings.dat"));
  Addtask(ctx);
  EraseNow(ctx);
  const std::string line = "Could not save " + ProgramFile("settings.dat") + " <Failed>";
  EXPECT_EQ(view.progress.back(), line);
  EXPECT_NE(Log().find(line + "\r\n"), std::string::npos);
  EXPECT_EQ(machine.ReadFile(ProgramFile("settings.dat")), "[IE]\r\nCookies=1\r\n");
}

TEST_F(EraseRunnerTest, CancelOrLoggingOffLeavesTheLog) {
  machine.WriteFile(ProgramFile("syslog.txt"), "before\r\n");
  view.progress = {"an earlier line"};
  view.confirmAnswer = EraseMode::kNone;
  Select({Track::kNetscapeCookies});
  EraseNow(ctx);
  EXPECT_EQ(Log(), "before\r\n");
  EXPECT_EQ(view.progress, std::vector<std::string>{"an earlier line"});
  EXPECT_EQ(ctx.run.mode, EraseMode::kNone);
  EXPECT_TRUE(view.trayExitEnabled);
  EXPECT_EQ(Setting("LastErased"), "unknown value");
  EXPECT_EQ(view.tasks[0].status, "");
  // With logging off, runs leave the log byte for byte.
  machine.WriteFile(ProgramFile("syslog.txt"), "kept as it is\n");
  ctx.settings.clearlog = 3;
  view.confirmAnswer = EraseMode::kErase;
  Select({Track::kNetscapeCookies, Track::kOperaCookies});
  EraseNow(ctx);
  TestNow(ctx);
  EXPECT_EQ(Log(), "kept as it is\n");
}

TEST_F(EraseRunnerTest, ConfirmationTestAndTestNowGiveTheSameRun) {
  Select({Track::kNetscapeCookies, Track::kOperaCookies});
  view.confirmAnswer = EraseMode::kTest;
  EraseNow(ctx);
  const std::string fromConfirmation = Log();
  const auto progress = view.progress;
  machine.WriteFile(ProgramFile("syslog.txt"), "");
  TestNow(ctx);
  EXPECT_EQ(Log(), fromConfirmation);
  EXPECT_EQ(view.progress, progress);
  EXPECT_EQ(fromConfirmation,
            std::string("Test Mode: Test Start --------------------at ") + kStamp +
                "\r\nTest Mode: --Test Completed ----Registry Keys Scanned: 0, Files : 0 , HD "
                "Space: 0. MB-------at " +
                kStamp + "\r\n");
  EXPECT_EQ(view.progress.front(),
            std::string("Test Mode: Test start---------------------at ") + kStamp);
  EXPECT_EQ(view.progress[1], "Test Mode: Erasing Netscape Cookies .....");
  EXPECT_EQ(view.progress[2], "Test Mode: Erasing Opera Cookies .....");
}

TEST_F(EraseRunnerTest, TestRunsShowTheirResultAlwaysAndLeaveLastErasedAlone) {
  ctx.settings.stealth = 0;
  ctx.settings.Resultwin = 0;
  ctx.run.triggered = true;
  Addtask(ctx);
  TestNow(ctx);
  TestNow(ctx);
  ASSERT_EQ(view.results.size(), 2u);
  EXPECT_EQ(view.results[0].title, "Test Completed");
  EXPECT_EQ(view.results[0].message, view.results[1].message);
  EXPECT_EQ(view.results[0].message,
            std::string(21, ' ') + "Test Completed Successfully!" + std::string(19, ' ') +
                "\r\n\r\nRegistry Keys Scanned: 0, Files : 0 , HD Space: 0. MB");
  EXPECT_FALSE(ctx.run.triggered);
  EXPECT_EQ(Setting("LastErased"), "unknown value");
  EXPECT_EQ(view.status, "Test: Scanned Registry Keys: 0  Files: 0   HD Space: 0. MB");
  EXPECT_EQ(view.progressValues.back(), 100);
  EXPECT_TRUE(view.eraseEnabled);
}

TEST_F(EraseRunnerTest, RowsGoThroughErasingToDoneWithTheProgressBar) {
  Select(
      {Track::kIeLocationBar, Track::kIeCookies, Track::kWindowsTemp, Track::kWindowsRecycleBin});
  EraseNow(ctx);
  ASSERT_EQ(view.tasks.size(), 4u);
  for (const auto& task : view.tasks) {
    EXPECT_EQ(task.status, "Done") << task.text;
    EXPECT_EQ(task.icon, "done") << task.text;
  }
  EXPECT_EQ(view.progressValues, (std::vector<int>{25, 50, 75, 100}));
  EXPECT_EQ(view.taskScrolls, 2) << "the list scrolls from the third catalogue item on";
}

TEST_F(EraseRunnerTest, ARunRequestedDuringARunIsIgnored) {
  Addtask(ctx);
  // A timer served while the confirmation window is open asks for runs of its own.
  int requests = 0;
  view.onConfirm = [&] {
    ++requests;
    ctx.run.triggered = true;
    EraseNow(ctx);
    TestNow(ctx);
    ctx.run.triggered = false;
  };
  EraseNow(ctx);
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(view.confirmations, 1);
  EXPECT_FALSE(ctx.run.active);
  EXPECT_EQ(Log().find("Test Mode"), std::string::npos);
  EXPECT_EQ(Log().find("Start to Erase"), Log().rfind("Start to Erase")) << "one block only";
  view.onConfirm = nullptr;
  EraseNow(ctx);
  EXPECT_EQ(view.confirmations, 2) << "the guard is released after the run";
}

}  // namespace
}  // namespace quellorn
