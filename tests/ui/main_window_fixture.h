#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "support/context_fixture.h"
#include "support/test_windows.h"
#include "ui/main_window.h"
#include "ui/recording_host.h"

namespace quellorn::testing {

// A main window of its own, for cases that each need a fresh one; its window a hidden one of the
// test's desktop.
struct FreshWindow {
  FreshWindow(platform::Platform& os, const std::string& programFolder, TestWindows& windows)
      : ctx(os, programFolder) {
    host.window = windows.Open("Quellorn.Test", "case", platform::ShowStyle::kHidden);
  }

  RecordingHost host;
  Context ctx;
  ui::MainWindow window{ctx, host};
};

// Triggers that count what reaches them; `onStartUp` looks at the window as Windows starts it.
struct CountingTriggers : ui::MainWindowTriggers {
  int queries = 0;
  std::function<void()> onStartUp;
  void WindowsStartUp() override {
    if (onStartUp) onStartUp();
  }
  void WatchTimer() override {}
  void ScheduleTimer() override {}
  void QueryEndSession() override { ++queries; }
};

// The main window's model on a test machine, its window a hidden one of the test's desktop.
// Nothing is selected for a run unless a test selects it.
class MainWindowTest : public PlatformTest {
 protected:
  MainWindowTest() {
    host.window =
        windows.Open("Quellorn.Test", "Quellorn model test", platform::ShowStyle::kHidden);
    ctx.settings.trackFlags.fill(1);
    ctx.settings.stealth = 1;  // a tray icon, as shipped
  }

  void SetUp() override {
    if (!windows.CanOpen()) GTEST_SKIP() << "no display to show windows on";
  }

  // Whether the window's tray icon is there: only an icon that is there takes a tip.
  bool TrayIconShown() { return desktop.SetTrayTip(host.window, "probe") == platform::kSuccess; }
  bool HotKeyHeld(int id, std::uint32_t key) {
    return desktop.RegisterHotKey(host.window, id, platform::hot_key_modifier::kAlt, key) ==
           platform::kHotKeyAlreadyRegistered;
  }
  std::optional<std::int64_t> PressHotKey(int id) {
    return window.Hook(platform::window_message::kHotKey, static_cast<std::uint64_t>(id), 0);
  }
  std::optional<std::int64_t> ClickTrayIcon(std::uint32_t mouseMessage) {
    return window.Hook(ui::MainWindow::kTrayCallback, 0, mouseMessage);
  }

  FreshWindow Fresh() { return FreshWindow(os, programFolder, windows); }

  TestWindows windows{machine};
  RecordingHost host;
  Context ctx{os, programFolder};
  ui::MainWindow window{ctx, host};
  platform::Desktop& desktop = os.desktop;
};

}  // namespace quellorn::testing
