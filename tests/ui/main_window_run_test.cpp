#include <gtest/gtest.h>

#include "core/activity_log.h"
#include "ui/main_window.h"
#include "ui/main_window_fixture.h"

namespace quellorn {
namespace {

using platform::ShowStyle;
using platform::window_message::kQueryEndSession;
using ui::MainButton;
using ui::TrayEntry;

// The main window while runs go on: what it lets the user do, and when it may close.
class MainWindowRunTest : public testing::MainWindowTest {
 protected:
  MainWindowRunTest() {
    // One custom item with one file to erase, so that a run yields to the window once.
    machine.WriteFile(machine.root() + "\\junk\\a.tmp", "leftover");
    machine.WriteFile(ProgramFile("Custom\\Junk.qk"),
                      "[Info]\r\nSelected = 0\r\nDelFile1=" + machine.root() + "\\junk\\*.tmp\r\n");
    machine.WriteFile(ProgramFile("settings.dat"), "[General]\r\nWarning=1\r\n");
    ctx.settings.antirecover = 1;
    window.Load();
  }

  std::string Log() { return machine.ReadFile(LogPath(ctx)); }
};

TEST_F(MainWindowRunTest, AskingToCloseDuringARunClosesWhenItEnds) {
  const auto asks = std::to_array<std::function<void(ui::MainWindow&)>>({
      [](ui::MainWindow& w) { w.OnClose(); },
      [](ui::MainWindow& w) { w.Hook(platform::window_message::kClose, 1, 1); },
      [](ui::MainWindow& w) { w.Hook(platform::window_message::kEndSession, 1, 0); },
  });
  for (std::size_t i = 0; i < asks.size(); ++i) {
    SCOPED_TRACE(i);
    auto fresh = Fresh();
    ui::MainWindow& caseWindow = fresh.window;
    fresh.ctx.settings = ctx.settings;
    fresh.ctx.settings.clearlog = 1;
    caseWindow.Load();
    machine.WriteFile(machine.root() + "\\junk\\a.tmp", "leftover");
    bool askedOnce = false;
    fresh.host.onPump = [&] {
      if (askedOnce) return;
      askedOnce = true;
      asks[i](caseWindow);
      EXPECT_EQ(fresh.host.closeAlls, 0) << "not under the run";
      EXPECT_FALSE(caseWindow.Enabled(MainButton::kErase));
      EXPECT_FALSE(caseWindow.Enabled(MainButton::kExit));
      EXPECT_FALSE(caseWindow.Enabled(TrayEntry::kExit));
      caseWindow.OnClick(MainButton::kExit);
      caseWindow.OnTrayClick(TrayEntry::kExit);
      EXPECT_EQ(fresh.host.closeAlls, 0);
    };
    caseWindow.OnClick(MainButton::kErase);
    EXPECT_TRUE(askedOnce);
    EXPECT_TRUE(caseWindow.unloaded());
    EXPECT_EQ(fresh.host.closeAlls, 1);
    EXPECT_EQ(Log(), "") << "the run ended, then the log option emptied the log at exit";
  }
}

TEST_F(MainWindowRunTest, TheSessionMayNotEndUnderARun) {
  testing::CountingTriggers triggers;
  window.SetTriggers(&triggers);
  std::optional<std::int64_t> answer;
  host.onPump = [&] {
    if (!answer) answer = window.Hook(kQueryEndSession, 0, 0);
  };
  window.OnClick(MainButton::kTest);
  EXPECT_EQ(answer, 0) << "refused";
  EXPECT_EQ(triggers.queries, 0);
  EXPECT_EQ(host.closeAlls, 1) << "the program ends after the run, so the session can";

  auto idle = Fresh();
  idle.window.SetTriggers(&triggers);
  idle.window.Load();
  EXPECT_EQ(idle.window.Hook(kQueryEndSession, 0, 0), std::nullopt) << "passed on";
  EXPECT_EQ(triggers.queries, 1);
  EXPECT_EQ(idle.host.closeAlls, 0);
}

TEST_F(MainWindowRunTest, ButtonsComeBackAfterARun) {
  bool checked = false;
  host.onPump = [&] {
    checked = true;
    for (const auto button : {MainButton::kErase, MainButton::kTest, MainButton::kExit})
      EXPECT_FALSE(window.Enabled(button));
    for (const auto entry : {TrayEntry::kEraseNow, TrayEntry::kTestNow, TrayEntry::kExit})
      EXPECT_FALSE(window.Enabled(entry));
    EXPECT_TRUE(window.progressBarVisible());
    window.OnClick(MainButton::kTest);  // ignored: one run at a time
  };
  window.OnClick(MainButton::kErase);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(window.Enabled(MainButton::kErase));
  EXPECT_TRUE(window.Enabled(MainButton::kExit));
  EXPECT_TRUE(window.Enabled(TrayEntry::kExit));
  EXPECT_FALSE(window.progressBarVisible());
  EXPECT_EQ(window.Caption(MainButton::kErase), "&Erase Now") << "keeps its access key";
  EXPECT_TRUE(window.Enabled(MainButton::kTest) && window.Enabled(TrayEntry::kTestNow));
  ASSERT_EQ(window.tasks().size(), 1u);
  EXPECT_EQ(window.tasks()[0].status, "Done");
  EXPECT_EQ(window.tasks()[0].icon, "done");
  EXPECT_EQ(window.status().rfind("Erased Registry Keys: 0  Files: 1", 0), 0u) << window.status();
  EXPECT_EQ(Log().find("Test Mode"), std::string::npos) << "one erase run, no test run inside it";
  EXPECT_EQ(host.closeAlls, 0);
}

// Test Now from the tray menu shows its result. A triggered run's result closes by itself after a
// while; the user's run leaves it open.
TEST_F(MainWindowRunTest, TestNowShowsItsResultAndATriggeredRunsResultClosesByItself) {
  window.OnTrayClick(TrayEntry::kTestNow);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].heading, "Test Completed");
  EXPECT_NE(Log().find("Test Mode: Test Start"), std::string::npos);
  EXPECT_EQ(machine.ReadFile(machine.root() + "\\junk\\a.tmp"), "leftover");
  ctx.settings.Resultwin = 1;
  ctx.run.triggered = true;
  ctx.run.mode = EraseMode::kErase;
  window.OnTrayClick(TrayEntry::kEraseNow);  // leaves the flag as the trigger set it
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].heading, "Task Completed");
  EXPECT_EQ(host.waits, std::vector<std::chrono::milliseconds>{std::chrono::seconds(3)});
  EXPECT_FALSE(host.IsMessageOpen(1));

  window.OnClick(MainButton::kErase);  // clears the flag
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_TRUE(host.IsMessageOpen(2));
  EXPECT_EQ(host.waits.size(), 1u);
}

TEST_F(MainWindowRunTest, ClosingEmptiesTheLogOnlyWithLogOptionOne) {
  for (const std::int16_t option : {0, 1, 2, 3}) {
    SCOPED_TRACE(option);
    auto fresh = Fresh();
    fresh.ctx.settings.clearlog = option;
    fresh.ctx.settings.stealth = 1;
    fresh.window.Load();
    machine.WriteFile(LogPath(ctx), "a line\r\n");
    fresh.window.OnClick(MainButton::kExit);
    EXPECT_EQ(fresh.host.closeAlls, 1);
    EXPECT_EQ(Log(), option == 1 ? "" : "a line\r\n");
    EXPECT_NE(desktop.SetTrayTip(fresh.host.window, "gone"), platform::kSuccess);
    fresh.window.OnClose();
    EXPECT_EQ(fresh.host.closeAlls, 1) << "unloads once";
  }
}

TEST_F(MainWindowRunTest, AMinStartHandsTheLoadedWindowToTheTriggers) {
  auto started = Fresh();
  std::size_t rowsSeen = 99;
  bool visibleSeen = true;
  testing::CountingTriggers triggers;
  triggers.onStartUp = [&] {
    rowsSeen = started.window.tasks().size();
    visibleSeen = started.window.visible();
  };
  started.window.SetTriggers(&triggers);
  started.ctx.settings.trackFlags.fill(1);
  started.ctx.startArgument = "min";
  started.window.Load();
  EXPECT_EQ(rowsSeen, 1u) << "after the task list is built";
  EXPECT_FALSE(visibleSeen) << "after the window went to the tray";
}

}  // namespace
}  // namespace quellorn
