#include "core/windows_info.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

TEST(GetWindowsVersion, NamesTheSystemsTheErasersKnow) {
  const struct {
    platform::WindowsVersion version;
    const char* expected;
  } cases[] = {{{1, 4, 0}, "95"},
               {{1, 4, 10}, "98"},
               {{1, 4, 90}, "98"},
               {{1, 4, 3}, ""},
               {{2, 3, 51}, "Windows NT 3.51"},
               {{2, 4, 0}, "98"},
               {{2, 5, 0}, "2000"},
               {{2, 5, 1}, "xp"},
               {{2, 5, 2}, ""},
               {{2, 6, 1}, ""},
               {{2, 10, 0}, ""},
               {{0, 3, 1}, "Failed"},
               {{3, 5, 1}, "Failed"}};
  for (const auto& c : cases) {
    EXPECT_EQ(GetWindowsVersion(c.version), c.expected)
        << c.version.platformId << ' ' << c.version.major << '.' << c.version.minor;
  }
}

class OsApiTest : public testing::ContextTest {};

// The real system's answers are usable too.
TEST_F(OsApiTest, WindowsFolderEndsInExactlyOneBackslashAndLoginNameLosesNuls) {
  for (const auto& [folder, expected] :
       {std::pair{"C:\\WINDOWS", "C:\\WINDOWS\\"}, {"C:\\", "C:\\"}, {"", "\\"}}) {
    system.windowsFolder = folder;
    EXPECT_EQ(GetWindowsFolder(system), expected) << folder;
  }
  const std::string real = GetWindowsFolder(machine.platform().system);
  EXPECT_TRUE(real.ends_with('\\'));
  EXPECT_FALSE(real.ends_with("\\\\"));
  system.userName = std::string("jo\0e\0", 5);
  EXPECT_EQ(GetLoginName(system), "joe");
  EXPECT_FALSE(GetLoginName(machine.platform().system).empty());
}

}  // namespace
}  // namespace quellorn
