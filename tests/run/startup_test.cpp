#include "run/startup.h"

#include <gtest/gtest.h>

#include "core/shipped_settings.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

TEST(StartArgument, AcceptsOnlyMinAlone) {
  EXPECT_EQ(StartArgument("min"), "min");
  EXPECT_EQ(StartArgument("  min \t"), "min");
  EXPECT_EQ(StartArgument("MIN"), "");
  EXPECT_EQ(StartArgument("min now"), "");
  EXPECT_EQ(StartArgument(""), "");
}

class StartUpTest : public testing::ContextTest {};

TEST_F(StartUpTest, ReadsSettingsVersionAndHomePage) {
  machine.WriteFile(ProgramFile("settings.dat"), "[General]\r\nStealth=1\r\n");
  system.version = platform::WindowsVersion{2, 5, 1};
  StartUp(ctx, " min ");
  EXPECT_EQ(ctx.startArgument, "min");
  EXPECT_EQ(ctx.settings.stealth, 1);
  EXPECT_EQ(ctx.windowsVersion, "xp");
  // The home page is remembered, or nothing.
  machine.LoadReg(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
      "\"Start Page\"=-\r\n");
  StartUp(ctx, "");
  EXPECT_EQ(ctx.homePage, "");
  machine.LoadReg(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
      "\"Start Page\"=\"http://example.org/\"\r\n");
  StartUp(ctx, "");
  EXPECT_EQ(ctx.homePage, "http://example.org/");
}

// A lost settings file starts again from the shipped one, which leaves the Recycle Bin and the
// saved form data and passwords alone and shows the tray icon.
TEST_F(StartUpTest, AMissingSettingsFileStartsFromTheShippedOne) {
  StartUp(ctx, "");
  EXPECT_EQ(machine.ReadFile(ProgramFile("settings.dat")), ShippedSettings());
  EXPECT_FALSE(ctx.settings.StealthOn());
  EXPECT_NE(ctx.settings.flag(Track::kWindowsRecycleBin), 0);
  EXPECT_NE(ctx.settings.flag(Track::kIeAutoComplete), 0);
  EXPECT_EQ(ctx.settings.flag(Track::kIeLocationBar), 0);
}

}  // namespace
}  // namespace quellorn
