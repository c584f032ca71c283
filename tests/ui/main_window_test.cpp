#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/activity_log.h"
#include "ui/main_window_fixture.h"

namespace quellorn {
namespace {

using platform::ShowStyle;
using platform::WindowHandle;
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

// A hot key an older copy still holds is asked for again until it is free, and the log says so
// once; ALT+SPACE is held only while the boss key is on.
TEST_F(MainWindowLoadTest, HotKeysWaitForTheirHolderAndFollowTheBossKey) {
  constexpr auto kAlt = platform::hot_key_modifier::kAlt;
  auto older = Fresh();
  ASSERT_EQ(desktop.RegisterHotKey(older.host.window, 7, kAlt, 0x41), platform::kSuccess);
  ctx.settings.bosskey = 1;
  window.Load();
  for (int tick = 1; tick <= ui::MainWindow::kHotKeyTriesBeforeLog; ++tick)
    window.OnHotKeyTimer();
  EXPECT_EQ(host.hotKeyRetries, ui::MainWindow::kHotKeyTriesBeforeLog + 1);
  const std::string line = "Hot key ALT+A is held by another program <Failed>";
  const std::string log = machine.ReadFile(LogPath(ctx));
  EXPECT_NE(log.find(line), std::string::npos);
  EXPECT_EQ(log.find(line), log.rfind(line)) << "logged once";
  desktop.UnregisterHotKey(older.host.window, 7);
  window.OnHotKeyTimer();
  EXPECT_EQ(host.hotKeyRetries, ui::MainWindow::kHotKeyTriesBeforeLog + 1) << "no more retries";
  EXPECT_TRUE(HotKeyHeld(ui::MainWindow::kShowHideKeyId, 0x41));

  EXPECT_EQ(desktop.RegisterHotKey(older.host.window, 8, kAlt, 0x20), platform::kSuccess)
      << "ALT+SPACE left to other programs";
  desktop.UnregisterHotKey(older.host.window, 8);
  host.available.insert(ui::OtherWindow::kOptions);
  ctx.settings.bosskey = 0;
  window.OnClick(ui::MainButton::kOptions);
  EXPECT_TRUE(HotKeyHeld(ui::MainWindow::kBossKeyId, 0x20));
  ctx.settings.bosskey = 1;
  window.OnClick(ui::MainButton::kOptions);
  EXPECT_EQ(desktop.RegisterHotKey(older.host.window, 8, kAlt, 0x20), platform::kSuccess);
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
  window.Load();  // unseen and without a tray icon: StartArgumentAndStealthDecideWhatIsSeen
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
  machine.WriteFile(ProgramFile("help.chm"), "ITSF");
  window.OnClick(MainButton::kHelp);
  window.OnTrayClick(TrayEntry::kHelp);
  window.OnClick(MainButton::kViewLog);
  ASSERT_EQ(shell.opens.size(), 2u);
  EXPECT_EQ(shell.opens[0].target, "https://www.orvalen.example/");
  EXPECT_EQ(shell.opens[0].style, ShowStyle::kHidden);
  EXPECT_EQ(shell.opens[1].target, "https://www.orvalen.example/plugins.htm");
  ASSERT_EQ(shell.starts.size(), 3u);
  EXPECT_EQ(shell.starts[0].target,
            "hh.exe \"" + ProgramFile("help.chm") + "::/main_window.html\"");
  EXPECT_EQ(shell.starts[1].target, "hh.exe \"" + ProgramFile("help.chm") + "::/tray.html\"");
  EXPECT_EQ(shell.starts[2].target, "notepad " + ProgramFile("syslog.txt"));
  EXPECT_EQ(shell.starts[2].style, ShowStyle::kNormal);
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

// ALT+SPACE and the tray entries that hide and show the browsers.
class BossKeyTest : public testing::MainWindowTest {
 protected:
  BossKeyTest() { window.Load(); }

  WindowHandle ie = windows.Open("IEFrame", "Home", ShowStyle::kMaximized);
  WindowHandle mozilla = windows.Open("MozillaWindowClass", "Mozilla", ShowStyle::kNormal);
  WindowHandle aol = windows.Open("AOL Frame25", "AOL", ShowStyle::kNormal);
  WindowHandle opera = windows.Open("Opera Main Window", "Opera", ShowStyle::kMinimized);
  WindowHandle notes = windows.Open("Notepad", "notes", ShowStyle::kNormal);
  std::vector<WindowHandle> browsers{ie, mozilla, aol, opera};

  bool BrowsersShown(bool shown) {
    return std::ranges::all_of(browsers,
                               [&](WindowHandle b) { return windows.Visible(b) == shown; });
  }
};

// Off, the key is passed on and nothing hides, nor does the window.
TEST_F(BossKeyTest, TwiceHidesTheBrowsersAndBringsThemBackAsTheyWereButNoLaterOne) {
  ctx.settings.bosskey = 1;
  EXPECT_EQ(PressHotKey(ui::MainWindow::kBossKeyId), std::nullopt);
  EXPECT_FALSE(window.browsersHidden());
  EXPECT_TRUE(BrowsersShown(true));
  EXPECT_TRUE(window.visible());
  ctx.settings.bosskey = 0;
  EXPECT_EQ(PressHotKey(ui::MainWindow::kBossKeyId), std::nullopt) << "passed on";
  EXPECT_TRUE(window.browsersHidden());
  EXPECT_TRUE(BrowsersShown(false));
  EXPECT_TRUE(windows.Visible(notes));
  EXPECT_EQ(window.browserHider().hidden().size(), 4u);

  PressHotKey(ui::MainWindow::kBossKeyId);
  EXPECT_FALSE(window.browsersHidden());
  EXPECT_TRUE(BrowsersShown(true));
  EXPECT_EQ(windows.State(ie), ShowStyle::kMaximized);
  EXPECT_EQ(windows.State(mozilla), ShowStyle::kNormal);
  EXPECT_EQ(windows.State(opera), ShowStyle::kMinimized);

  // A browser opened while the others are hidden is left alone.
  PressHotKey(ui::MainWindow::kBossKeyId);
  const WindowHandle late = windows.Open("IEFrame", "late", ShowStyle::kNormal);
  PressHotKey(ui::MainWindow::kBossKeyId);
  EXPECT_TRUE(windows.Visible(ie));
  EXPECT_TRUE(windows.Visible(late));
  PressHotKey(ui::MainWindow::kBossKeyId);
  EXPECT_FALSE(windows.Visible(late)) << "the next press hides it with the others";
}

// The tray entries hide and show without touching the key's own state.
TEST_F(BossKeyTest, TrayEntriesLeaveTheKeyState) {
  window.OnTrayClick(ui::TrayEntry::kHide);
  EXPECT_FALSE(windows.Visible(ie));
  EXPECT_FALSE(window.browsersHidden());
  PressHotKey(ui::MainWindow::kBossKeyId);  // hides (again)
  EXPECT_TRUE(window.browsersHidden());
  PressHotKey(ui::MainWindow::kBossKeyId);
  EXPECT_TRUE(windows.Visible(ie));
  EXPECT_EQ(windows.State(ie), ShowStyle::kMaximized);
  window.OnTrayClick(ui::TrayEntry::kHide);
  window.OnTrayClick(ui::TrayEntry::kShow);
  EXPECT_TRUE(windows.Visible(mozilla));
  EXPECT_FALSE(window.browsersHidden());
}

}  // namespace
}  // namespace quellorn
