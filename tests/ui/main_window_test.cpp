#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <map>

#include "core/activity_log.h"
#include "ui/main_window_fixture.h"

namespace quellorn {
namespace {

using platform::ShowStyle;
using platform::window_message::kLeftButtonUp;
using platform::window_message::kRightButtonUp;
using ui::MainButton;
using ui::TrayEntry;
using ui::WindowState;

class MainWindowLoadTest : public testing::MainWindowTest {};

TEST_F(MainWindowLoadTest, ShowsTheTaskListTitleAndLastErase) {
  ctx.settings.trackFlags.fill(0);
  machine.WriteFile(ProgramFile("Custom\\Mine.qk"), "[Info]\r\nSelected = 0\r\n");
  machine.WriteFile(ProgramFile("settings.dat"), "[general]\r\nLastErased=3/6/2024 9:00:00 PM\r\n");
  window.Load();
  EXPECT_EQ(window.title(), ui::MainWindow::kTitle);
  ASSERT_EQ(window.tasks().size(), 25u) << "every track item and the custom one";
  EXPECT_EQ(window.tasks().back().text, "Mine");
  EXPECT_EQ(window.tasks().back().icon, "Cust");
  EXPECT_EQ(ctx.run.taskCount, 25);
  EXPECT_EQ(window.status(), "Last Erased at: 3/6/2024 9:00:00 PM");
  EXPECT_FALSE(window.progressBarVisible());
  EXPECT_TRUE(HotKeyHeld(ui::MainWindow::kBossKeyId, 0x20));
  EXPECT_TRUE(HotKeyHeld(ui::MainWindow::kShowHideKeyId, 0x41));
}

// How the program comes up, by the way it was started and the stealth setting (0 is on).
TEST_F(MainWindowLoadTest, StartArgumentAndStealthDecideWhatIsSeen) {
  const struct {
    const char* argument;
    std::int16_t stealth;
    bool visible;
    WindowState state;
    bool trayIcon;
  } cases[] = {
      {"", 1, true, WindowState::kNormal, true},
      {"", 0, true, WindowState::kNormal, false},
      {"min", 1, false, WindowState::kMinimized, true},
      {"min", 0, false, WindowState::kMinimized, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.argument) + " stealth " + std::to_string(c.stealth));
    auto fresh = Fresh();
    fresh.ctx.settings.trackFlags.fill(1);
    fresh.ctx.settings.stealth = c.stealth;
    fresh.ctx.startArgument = c.argument;
    fresh.window.Load();
    EXPECT_EQ(fresh.window.visible(), c.visible);
    EXPECT_EQ(fresh.window.state(), c.state);
    EXPECT_EQ(fresh.window.lastState(), WindowState::kNormal);
    EXPECT_EQ(fresh.window.Enabled(TrayEntry::kRestore), c.state == WindowState::kMinimized);
    EXPECT_EQ(desktop.SetTrayTip(fresh.host.window, "probe") == platform::kSuccess, c.trayIcon);
  }
}

TEST_F(MainWindowLoadTest, InStealthModeAltAIsTheWayIn) {
  ctx.startArgument = "min";
  ctx.settings.stealth = 0;
  window.Load();
  EXPECT_FALSE(window.visible());
  EXPECT_FALSE(TrayIconShown());
  EXPECT_EQ(PressHotKey(ui::MainWindow::kShowHideKeyId), std::nullopt) << "passed on";
  EXPECT_TRUE(window.visible());
  EXPECT_EQ(window.state(), WindowState::kNormal);
  PressHotKey(ui::MainWindow::kShowHideKeyId);
  EXPECT_FALSE(window.visible());
  EXPECT_EQ(window.state(), WindowState::kNormal) << "ALT+A hides without minimizing";
}

TEST_F(MainWindowLoadTest, MinimizingHidesInTheTrayAndRestoreBringsItBack) {
  window.Load();
  window.OnMinimize();
  EXPECT_FALSE(window.visible());
  EXPECT_EQ(ClickTrayIcon(kRightButtonUp), 0) << "the tray menu";
  EXPECT_EQ(host.trayMenus, 1);
  EXPECT_FALSE(window.visible());
  EXPECT_TRUE(window.Enabled(TrayEntry::kRestore));
  EXPECT_TRUE(TrayIconShown());
  window.OnTrayClick(TrayEntry::kRestore);
  EXPECT_TRUE(window.visible());
  EXPECT_EQ(window.state(), WindowState::kNormal);
  EXPECT_FALSE(window.Enabled(TrayEntry::kRestore));
  // A maximized window minimized by the system comes back maximized.
  window.OnResized(WindowState::kMaximized);
  window.OnResized(WindowState::kMinimized);
  EXPECT_EQ(window.lastState(), WindowState::kMaximized);
  EXPECT_EQ(ClickTrayIcon(kLeftButtonUp), 0);
  EXPECT_EQ(window.state(), WindowState::kMaximized);
  EXPECT_FALSE(window.Enabled(TrayEntry::kRestore));
  EXPECT_EQ(host.focuses, 2) << "each way back takes the focus";
}

TEST_F(MainWindowLoadTest, TheTrayMenuHoldsEveryEntryOnce) {
  std::map<TrayEntry, int> entries;
  for (const ui::TrayMenuLine& line : ui::MainWindow::TrayMenu()) {
    if (line.entry) ++entries[*line.entry];
    EXPECT_EQ(line.entry.has_value(), !line.caption.empty());
  }
  EXPECT_EQ(entries.size(), static_cast<std::size_t>(TrayEntry::kExit) + 1);
  for (const auto& [entry, count] : entries)
    EXPECT_EQ(count, 1) << static_cast<int>(entry);
}

// Windows the toolkit does not have yet cannot be asked for.
TEST_F(MainWindowLoadTest, ButtonsReachTheShellTheLogAndOnlyTheWindowsThereAre) {
  machine.WriteFile(ProgramFile("syslog.txt"), "old line\r\n");
  window.Load();
  window.OnTrayClick(TrayEntry::kLink);
  window.OnTrayClick(TrayEntry::kDownload);
  window.OnClick(MainButton::kHelp);
  window.OnTitleHelp();
  window.OnClick(MainButton::kViewLog);
  ASSERT_EQ(shell.opens.size(), 4u);
  EXPECT_EQ(shell.opens[0].target, "https://www.orvalen.example/");
  EXPECT_EQ(shell.opens[0].style, ShowStyle::kHidden);
  EXPECT_EQ(shell.opens[1].target, "https://www.orvalen.example/plugins.htm");
  EXPECT_EQ(shell.opens[2].target, ProgramFile("help.chm"));
  EXPECT_EQ(shell.opens[3].target, ProgramFile("help.chm"));
  ASSERT_EQ(shell.starts.size(), 1u);
  EXPECT_EQ(shell.starts[0].target, "notepad " + ProgramFile("syslog.txt"));
  window.OnClick(MainButton::kClear);
  EXPECT_EQ(machine.ReadFile(ProgramFile("syslog.txt")), "");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].heading, "Quellorn");
  EXPECT_EQ(host.messages[0].text, "Log File Cleared Successfully!");
  EXPECT_FALSE(window.Enabled(MainButton::kSettings));
  EXPECT_FALSE(window.Enabled(TrayEntry::kOptions));
  window.OnClick(MainButton::kSettings);
  window.OnTrayClick(TrayEntry::kOptions);
  window.OnClick(MainButton::kAbout);
  host.available.insert(ui::OtherWindow::kOptions);
  window.OnClick(MainButton::kOptions);
  EXPECT_EQ(host.opened,
            (std::vector<ui::OtherWindow>{ui::OtherWindow::kAbout, ui::OtherWindow::kOptions}));
}

}  // namespace
}  // namespace quellorn
