// The desktop's windows, hot keys and tray icon: the same cases on the in-memory desktop and on
// Wine's.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_machine.h"
#include "support/test_windows.h"

namespace quellorn::platform {
namespace {

constexpr std::uint32_t kAlt = hot_key_modifier::kAlt;

class DesktopConformanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!windows.CanOpen()) GTEST_SKIP() << "no display to show windows on";
  }

  bool Listed(WindowHandle window) {
    const std::vector<WindowHandle> all = desktop.TopLevelWindows();
    return std::find(all.begin(), all.end(), window) != all.end();
  }

  testing::TestMachine machine;
  testing::TestWindows windows{machine};
  Desktop& desktop = machine.platform().desktop;
};

TEST_F(DesktopConformanceTest, ListsWindowsWithTheirClassesHiddenOnesToo) {
  const WindowHandle shown = windows.Open("Conformance.Shown", "shown", ShowStyle::kNormal);
  const WindowHandle hidden = windows.Open("Conformance.Hidden", "hidden", ShowStyle::kHidden);
  EXPECT_TRUE(Listed(shown));
  EXPECT_TRUE(Listed(hidden));
  EXPECT_EQ(desktop.ClassName(shown), "Conformance.Shown");
  EXPECT_EQ(desktop.ClassName(hidden), "Conformance.Hidden");
  EXPECT_EQ(desktop.FindByClass("Conformance.Hidden", "hidden"), hidden);
  EXPECT_EQ(desktop.FindByClass("Conformance.Hidden", "shown"), 0u);
  EXPECT_EQ(desktop.FindByClass("Conformance.Missing", "hidden"), 0u);

  ASSERT_EQ(desktop.Post(hidden, window_message::kClose, 0, 0), kSuccess);
  windows.Pump();
  EXPECT_FALSE(desktop.Exists(hidden));
  EXPECT_FALSE(Listed(hidden));
  EXPECT_EQ(desktop.ClassName(hidden), "");
  WindowPlacement placement;
  EXPECT_NE(desktop.GetPlacement(hidden, placement), kSuccess);
  EXPECT_NE(desktop.SetPlacement(hidden, placement), kSuccess);
}

// A placement read from a window hides it and brings it back in the state it had.
TEST_F(DesktopConformanceTest, PlacementsHideAndRestoreEachState) {
  for (const ShowStyle state : {ShowStyle::kNormal, ShowStyle::kMaximized, ShowStyle::kMinimized}) {
    SCOPED_TRACE(static_cast<int>(state));
    const WindowHandle window = windows.Open("Conformance.Placed", "placed", state);
    WindowPlacement before;
    ASSERT_EQ(desktop.GetPlacement(window, before), kSuccess);
    EXPECT_EQ(before.showCommand, state);

    WindowPlacement hide = before;
    hide.showCommand = ShowStyle::kHidden;
    ASSERT_EQ(desktop.SetPlacement(window, hide), kSuccess);
    EXPECT_FALSE(windows.Visible(window));
    EXPECT_EQ(windows.State(window), state) << "hidden in its state";

    ASSERT_EQ(desktop.SetPlacement(window, before), kSuccess);
    EXPECT_TRUE(windows.Visible(window));
    WindowPlacement after;
    ASSERT_EQ(desktop.GetPlacement(window, after), kSuccess);
    EXPECT_EQ(after.showCommand, state);
    EXPECT_EQ(after.normalPosition, before.normalPosition);
  }
}

TEST_F(DesktopConformanceTest, AKeyCombinationBelongsToOneWindow) {
  const WindowHandle first = windows.Open("Conformance.Keys", "first", ShowStyle::kHidden);
  const WindowHandle second = windows.Open("Conformance.Keys", "second", ShowStyle::kHidden);
  // ALT+F9 and ALT+F10: keys no desktop of the tests holds.
  EXPECT_EQ(desktop.RegisterHotKey(first, 1, kAlt, 0x78), kSuccess);
  EXPECT_EQ(desktop.RegisterHotKey(second, 1, kAlt, 0x78), kHotKeyAlreadyRegistered);
  EXPECT_EQ(desktop.RegisterHotKey(second, 2, kAlt, 0x78), kHotKeyAlreadyRegistered);
  EXPECT_EQ(desktop.RegisterHotKey(second, 1, kAlt, 0x79), kSuccess);
  // A window that has gone gives its keys back.
  desktop.Post(first, window_message::kClose, 0, 0);
  windows.Pump();
  EXPECT_EQ(desktop.RegisterHotKey(second, 2, kAlt, 0x78), kSuccess);
}

}  // namespace
}  // namespace quellorn::platform
