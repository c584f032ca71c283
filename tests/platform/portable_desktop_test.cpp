#include "platform/portable/desktop_portable.h"

#include <gtest/gtest.h>

namespace quellorn::platform {
namespace {

using namespace std::chrono_literals;

// A machine folder shows no windows: nothing is found, and what names a window fails as it
// does on Windows for a window that has closed.
TEST(PortableDesktopTest, HasNoWindows) {
  PortableDesktop portable;
  Desktop& desktop = portable;
  EXPECT_FALSE(desktop.HasWindows());
  EXPECT_EQ(desktop.FindByTitle("Internet Properties", 10s), 0u);
  EXPECT_FALSE(desktop.Exists(0x10010));
  EXPECT_TRUE(desktop.WaitUntilGone(0x10010, 10s));
  EXPECT_EQ(desktop.Show(0x10010, ShowStyle::kHidden), kInvalidWindowHandle);
  EXPECT_EQ(desktop.Post(0x10010, window_message::kClose, 1, 1), kInvalidWindowHandle);
  EXPECT_EQ(desktop.PostKeys(0x10010, "%U"), kInvalidWindowHandle);
  EXPECT_EQ(desktop.PostKeys(0x10010, "{ENTER"), kInvalidParameter);
}

// The program's own window is the only one with a tray icon; a tip needs the icon first.
TEST(PortableDesktopTest, KeepsOneTrayIconPerWindow) {
  PortableDesktop desktop;
  const WindowHandle window = desktop.AddWindow("Main", "main", ShowStyle::kHidden);
  EXPECT_NE(desktop.SetTrayTip(window, "tip"), kSuccess);
  EXPECT_EQ(desktop.AddTrayIcon(window, 2025), kSuccess);
  EXPECT_NE(desktop.AddTrayIcon(window, 2025), kSuccess);
  EXPECT_EQ(desktop.SetTrayTip(window, "Quellorn"), kSuccess);
  EXPECT_EQ(desktop.trayIcons().at(window).tip, "Quellorn");
  EXPECT_EQ(desktop.trayIcons().at(window).callbackMessage, 2025u);
  EXPECT_EQ(desktop.RemoveTrayIcon(window), kSuccess);
  EXPECT_NE(desktop.RemoveTrayIcon(window), kSuccess);
  EXPECT_NE(desktop.AddTrayIcon(0x999, 2025), kSuccess) << "no such window";
}

TEST(PortableDesktopTest, AClosedWindowIsRememberedButGone) {
  PortableDesktop desktop;
  const WindowHandle window = desktop.AddWindow("Main", "Quellorn", ShowStyle::kNormal);
  ASSERT_EQ(desktop.AddTrayIcon(window, 2025), kSuccess);
  ASSERT_EQ(desktop.PostKeys(window, "{ENTER}"), kSuccess);
  EXPECT_EQ(desktop.PostKeys(window, "%x"), kNotFound) << "no buttons to press";
  ASSERT_EQ(desktop.Post(window, window_message::kClose, 1, 1), kSuccess);
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_EQ(desktop.FindByTitle("Quellorn", 0s, 0), 0u);
  EXPECT_TRUE(desktop.trayIcons().empty());
  const auto* closed = desktop.Find(window);
  ASSERT_NE(closed, nullptr);
  EXPECT_FALSE(closed->open);
  EXPECT_EQ(closed->received, (std::vector<PortableDesktop::Message>{
                                  {0x0100, 0x0D, 0}, {window_message::kClose, 1, 1}}));
}

}  // namespace
}  // namespace quellorn::platform
