#include "core/windows_info.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

TEST(GetWindowsVersion, NamesTheSystemsTheErasersKnow) {
  const struct {
    platform::WindowsVersion version;
    const char* expected;
  } cases[] = {
      {{1, 4, 0}, "95"},
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
      {{3, 5, 1}, "Failed"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetWindowsVersion(c.version), c.expected)
        << c.version.platformId << ' ' << c.version.major << '.' << c.version.minor;
  }
}

class OsApiTest : public testing::ContextTest {};

TEST_F(OsApiTest, WindowsFolderEndsInExactlyOneBackslash) {
  system.windowsFolder = "C:\\WINDOWS";
  EXPECT_EQ(GetWindowsFolder(system), "C:\\WINDOWS\\");
  system.windowsFolder = "C:\\";
  EXPECT_EQ(GetWindowsFolder(system), "C:\\");
  system.windowsFolder = "";
  EXPECT_EQ(GetWindowsFolder(system), "\\");
}

TEST_F(OsApiTest, RealWindowsFolderIsUsable) {
  const std::string folder = GetWindowsFolder(machine.platform().system);
  EXPECT_TRUE(folder.ends_with('\\'));
  EXPECT_FALSE(folder.ends_with("\\\\"));
}

TEST_F(OsApiTest, LoginNameLosesNulCharacters) {
  system.userName = std::string("jo\0e\0", 5);
  EXPECT_EQ(GetLoginName(system), "joe");
  EXPECT_FALSE(GetLoginName(machine.platform().system).empty());
}

}  // namespace
}  // namespace quellorn
