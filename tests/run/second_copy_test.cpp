#include "run/second_copy.h"

#include <gtest/gtest.h>

#include "run/browser_windows.h"
#include "support/test_machine.h"
#include "support/test_windows.h"

namespace quellorn {
namespace {

using namespace std::chrono_literals;
using platform::ShowStyle;
using Closes = std::vector<std::pair<std::uint64_t, std::int64_t>>;

class DesktopWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!windows.CanOpen()) GTEST_SKIP() << "no display to show windows on";
  }

  testing::TestMachine machine;
  testing::TestWindows windows{machine};
  platform::Desktop& desktop = machine.platform().desktop;
};

// Only the old copy's main window is asked to close, not a folder window that shares its title;
// without an old copy nothing is asked.
TEST_F(DesktopWindowsTest, ASecondCopyClosesTheOldCopyAlone) {
  const auto folder = windows.Open("CabinetWClass", "Quellorn", ShowStyle::kNormal);
  EXPECT_FALSE(CloseRunningCopy(desktop, 0ms));
  windows.Pump();
  EXPECT_TRUE(windows.Closes(folder).empty());
  const auto old = windows.Open(kMainWindowClass, "Quellorn", ShowStyle::kHidden);
  const auto other = windows.Open(kMainWindowClass, "Quellorn 2.0", ShowStyle::kHidden);
  CloseRunningCopy(desktop, 0ms);
  windows.Pump();
  EXPECT_EQ(windows.Closes(old), (Closes{{1, 1}}));
  EXPECT_FALSE(desktop.Exists(old));
  EXPECT_TRUE(windows.Closes(folder).empty());
  EXPECT_TRUE(desktop.Exists(folder));
  EXPECT_TRUE(windows.Closes(other).empty());
}

TEST_F(DesktopWindowsTest, CountsBrowserWindowsByTheirClass) {
  const struct {
    const char* className;
    bool browser;
  } cases[] = {
      {"IEFrame", true},     {"MozillaWindowClass", true}, {"Opera Main Window", true},
      {"AOL Frame25", true}, {"My AOL Client", true},      {"aol frame", false},
      {"iexplore", false},   {"IEFrame2", false},          {"Notepad", false},
  };
  const std::int16_t before = CountBrowserWindows(desktop);
  std::int16_t browsers = 0;
  for (const auto& c : cases) {
    EXPECT_EQ(IsBrowserClass(c.className), c.browser) << c.className;
    windows.Open(c.className, "a window", ShowStyle::kNormal);
    if (c.browser) ++browsers;
  }
  windows.Open("IEFrame", "hidden but open", ShowStyle::kHidden);
  EXPECT_EQ(CountBrowserWindows(desktop), before + browsers + 1);
}

}  // namespace
}  // namespace quellorn
