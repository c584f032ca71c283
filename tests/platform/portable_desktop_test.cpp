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

}  // namespace
}  // namespace quellorn::platform
