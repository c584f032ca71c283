#include <gtest/gtest.h>

#include <algorithm>

#include "ui/main_window_fixture.h"

namespace quellorn {
namespace {

using platform::ShowStyle;
using platform::WindowHandle;

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

TEST_F(BossKeyTest, TwiceHidesTheBrowsersAndBringsThemBackAsTheyWereButNoLaterOne) {
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

TEST_F(BossKeyTest, OffTheKeyIsPassedOnAndNothingHides) {
  ctx.settings.bosskey = 1;
  EXPECT_EQ(PressHotKey(ui::MainWindow::kBossKeyId), std::nullopt);
  EXPECT_FALSE(window.browsersHidden());
  EXPECT_TRUE(BrowsersShown(true));
  EXPECT_TRUE(window.visible()) << "nor does the window";
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
