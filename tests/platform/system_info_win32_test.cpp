#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/system_info.h"
#include "platform/win32/win32_base.h"
#include "support/test_machine.h"

namespace quellorn::testing {
namespace {

using namespace platform;

class SystemInfoTest : public ::testing::Test {
 protected:
  TestMachine machine;
  SystemInfo& system = machine.platform().system;
};

// The folder a copied program reports is checked by the start tests; the test program itself
// runs from the build tree, which the prefix reaches through no drive.
TEST_F(SystemInfoTest, WindowsAndProgramFoldersHaveNoTrailingBackslash) {
  const std::string program = system.ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_NE(program.back(), '\\');
  const std::string folder = system.WindowsFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(folder.substr(1, 2), ":\\");
  EXPECT_NE(machine.platform().files.GetAttributes(folder) & attr::kDirectory, 0u);
  EXPECT_TRUE(machine.platform().files.Exists(folder + "\\system32"));
}

TEST_F(SystemInfoTest, UserNameIsTheLoggedOnUser) {
  const std::string name = system.UserName();
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(name.find('\0'), std::string::npos);
  wchar_t buffer[512] = {};
  const DWORD length = GetEnvironmentVariableW(L"USERNAME", buffer, 512);
  ASSERT_GT(length, 0u);
  ASSERT_LT(length, 512u);
  EXPECT_EQ(name, win32::ToUtf8(std::wstring_view(buffer, length)));
}

TEST_F(SystemInfoTest, VersionIsAnNtVersion) {
  const WindowsVersion version = system.Version();
  EXPECT_EQ(version.platformId, 2u);  // VER_PLATFORM_WIN32_NT
  EXPECT_GE(version.major, 5u);
  EXPECT_LE(version.major, 10u);
  EXPECT_LE(version.minor, 3u);
}

TEST_F(SystemInfoTest, LocaleFormatsAreDateTimeAndNumberPatterns) {
  const LocaleFormats formats = system.Locale();
  for (char part : {'d', 'M', 'y'})
    EXPECT_NE(formats.shortDate.find(part), std::string::npos) << formats.shortDate;
  EXPECT_NE(formats.longTime.find_first_of("hH"), std::string::npos) << formats.longTime;
  EXPECT_NE(formats.longTime.find('m'), std::string::npos) << formats.longTime;
  EXPECT_NE(formats.longTime.find('s'), std::string::npos) << formats.longTime;
  ASSERT_FALSE(formats.decimal.empty());
  EXPECT_LE(formats.decimal.size(), 3u);
  EXPECT_EQ(formats.decimal.find_first_of("0123456789dMyhHms"), std::string::npos);
}

TEST_F(SystemInfoTest, NowIsACalendarTime) {
  const LocalTime now = system.Now();
  EXPECT_GE(now.year, 2024);
  const std::tuple<int, int, int> parts[] = {{now.month, 1, 12},    {now.day, 1, 31},
                                             {now.dayOfWeek, 0, 6}, {now.hour, 0, 23},
                                             {now.minute, 0, 59},   {now.second, 0, 59}};
  for (const auto& [part, low, high] : parts) {
    EXPECT_GE(part, low);
    EXPECT_LE(part, high);
  }
}

}  // namespace
}  // namespace quellorn::testing
