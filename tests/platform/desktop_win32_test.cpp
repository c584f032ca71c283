#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/win32/win32_base.h"
#include "platform/win32/window_handle.h"
#include "support/dialog_probe_client.h"
#include "support/display_check.h"
#include "support/test_machine.h"

namespace quellorn::platform {
namespace {

using namespace std::chrono_literals;
using testing::DialogProbe;

using Lines = std::vector<std::string>;

constexpr auto kPatience = 30s;

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::CanShowWindows()) GTEST_SKIP() << "no display to show windows on";
  }

  // A title no other test program running beside this one uses.
  static std::string Title(std::string_view name) {
    return "Desktop test " + std::to_string(GetCurrentProcessId()) + " " + std::string(name);
  }

  // Starts the probe in a mode and answers its window, found by its title.
  WindowHandle Start(DialogProbe& probe, std::string_view mode, const std::string& title) {
    EXPECT_TRUE(probe.ready());
    EXPECT_EQ(machine.platform().shell.Start(probe.CommandLine(mode, title), ShowStyle::kNormal),
              kSuccess);
    return desktop.FindByTitle(title, kPatience);
  }

  testing::TestMachine machine;
  Desktop& desktop = machine.platform().desktop;
};

TEST_F(DesktopTest, FindsHidesAndClosesAWindowByItsTitle) {
  DialogProbe probe(machine, "window", QUELLORN_DIALOG_PROBE);
  DialogProbe other(machine, "other", QUELLORN_DIALOG_PROBE);
  const WindowHandle window = Start(probe, "window", Title("one"));
  const WindowHandle otherWindow = Start(other, "window", Title("other"));
  ASSERT_NE(window, 0u);
  ASSERT_NE(otherWindow, 0u);
  EXPECT_TRUE(desktop.HasWindows());
  EXPECT_TRUE(desktop.Exists(window));
  EXPECT_EQ(desktop.FindByTitle(Title("missing"), 0ms), 0u);
  // Only a window of the same program as the one given counts.
  EXPECT_EQ(desktop.FindByTitle(Title("one"), 0ms, otherWindow), 0u);
  EXPECT_EQ(desktop.FindByTitle(Title("one"), 0ms, window), window);

  EXPECT_TRUE(IsWindowVisible(win32::ToHwnd(window)));
  EXPECT_EQ(desktop.Show(window, ShowStyle::kHidden), kSuccess);
  EXPECT_FALSE(IsWindowVisible(win32::ToHwnd(window)));

  EXPECT_EQ(desktop.Post(window, window_message::kClose, 1, 1), kSuccess);
  EXPECT_EQ(desktop.Post(otherWindow, window_message::kClose, 0, 7), kSuccess);
  EXPECT_EQ(probe.Finish(), Lines{"close 1 1"});
  EXPECT_EQ(other.Finish(), Lines{"close 0 7"});
  EXPECT_TRUE(desktop.WaitUntilGone(window, kPatience));
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_EQ(desktop.Show(window, ShowStyle::kHidden), kInvalidWindowHandle);
  EXPECT_EQ(desktop.Post(window, window_message::kClose, 0, 0), kInvalidWindowHandle);
  EXPECT_EQ(desktop.PostKeys(window, "{ENTER}"), kInvalidWindowHandle);
}

// The keys go to the window itself: the window that has the keyboard focus gets nothing, not
// even a button press for a letter the hidden window has no button for.
TEST_F(DesktopTest, KeysReachTheNamedWindowAlone) {
  DialogProbe bystander(machine, "bystander", QUELLORN_DIALOG_PROBE);
  DialogProbe target(machine, "target", QUELLORN_DIALOG_PROBE);
  const WindowHandle watching = Start(bystander, "bystander", Title("bystander"));
  const WindowHandle window = Start(target, "window", Title("target"));
  ASSERT_NE(watching, 0u);
  ASSERT_NE(window, 0u);
  ASSERT_EQ(desktop.Show(window, ShowStyle::kHidden), kSuccess);

  EXPECT_EQ(desktop.PostKeys(window, "{bad}"), kInvalidParameter);
  EXPECT_EQ(desktop.PostKeys(window, "p"), kInvalidParameter);
  EXPECT_EQ(desktop.PostKeys(window, "%Z"), kNotFound);
  EXPECT_EQ(desktop.PostKeys(window, "%p"), kSuccess);
  EXPECT_EQ(desktop.PostKeys(window, "{ENTER}"), kSuccess);
  EXPECT_EQ(target.Finish(), (Lines{"push", "keydown 13", "ok"}));

  EXPECT_EQ(desktop.Post(watching, window_message::kClose, 0, 0), kSuccess);
  EXPECT_EQ(bystander.Finish(), Lines{"close 0 0"});
}

// A dialog box is found as soon as its window exists, before it has made its buttons.
TEST_F(DesktopTest, KeysWaitForTheButtonsOfADialogJustMade) {
  DialogProbe probe(machine, "late", QUELLORN_DIALOG_PROBE);
  const WindowHandle window = Start(probe, "late", Title("late"));
  ASSERT_NE(window, 0u);
  EXPECT_EQ(desktop.PostKeys(window, "%p"), kSuccess);
  EXPECT_EQ(desktop.Post(window, window_message::kClose, 0, 0), kSuccess);
  EXPECT_EQ(probe.Finish(), (Lines{"push", "close 0 0"}));
}

}  // namespace
}  // namespace quellorn::platform
