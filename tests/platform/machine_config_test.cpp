#include "platform/portable/machine_config.h"

#include <gtest/gtest.h>

namespace quellorn::platform {
namespace {

// A missing file, and lines that are bad or out of place, give an XP machine of user "user".
TEST(MachineConfig, MissingFileAndBadLinesGiveTheDefaults) {
  for (const char* text : {"",
                           "user=before any section\n"
                           "[machine]\nmajor=five\nminor=\nplatform=-1x\nno equals sign\n"
                           "[drives]\nab=two letters\n1=digit\ne=\n"
                           "[other]\nuser=elsewhere\n"}) {
    MachineConfig config = ParseMachineConfig(text);
    EXPECT_EQ(config.user, "user") << text;
    EXPECT_EQ(config.windowsFolder, "C:\\WINDOWS");
    EXPECT_EQ(config.version.platformId, 2u);
    EXPECT_EQ(config.version.major, 5u);
    EXPECT_EQ(config.version.minor, 1u);
    EXPECT_EQ(config.programFolder, "C:\\Program Files\\Quellorn");
    EXPECT_EQ(config.drives, (std::map<char, std::string>{{'c', "drive_c"}})) << text;
    EXPECT_EQ(config.locale.shortDate, "M/d/yyyy");
    EXPECT_EQ(config.locale.longTime, "h:mm:ss tt");
    EXPECT_EQ(config.locale.decimal, ".");
    EXPECT_FALSE(config.clock.has_value());
  }
}

TEST(MachineConfig, ReadsEverySection) {
  MachineConfig config = ParseMachineConfig(
      "; a Windows 98 machine\r\n"
      "[Machine]\r\n"
      "  USER = joe smith \r\n"
      "windows=C:\\WIN98\r\n"
      "platform=1\r\nmajor=4\r\nminor=10\r\n"
      "program = \"D:\\Tools\\Q\"\r\n"
      "[drives]\r\n"
      "D = data\r\n"
      "c=system\r\n"
      "[LOCALE]\r\n"
      "shortdate=dd.MM.yyyy\r\nlongtime=HH:mm:ss\r\ndecimal=,\r\n"
      "[clock]\r\nnow = 2004-02-29 23:59:58\r\n"
      "[Environment]\r\nTEMP = C:\\Temp\r\n");
  EXPECT_EQ(config.user, "joe smith");
  EXPECT_EQ(config.windowsFolder, "C:\\WIN98");
  EXPECT_EQ(config.version.platformId, 1u);
  EXPECT_EQ(config.version.major, 4u);
  EXPECT_EQ(config.version.minor, 10u);
  EXPECT_EQ(config.programFolder, "D:\\Tools\\Q");
  EXPECT_EQ(config.drives, (std::map<char, std::string>{{'c', "system"}, {'d', "data"}}));
  EXPECT_EQ(config.locale.shortDate, "dd.MM.yyyy");
  EXPECT_EQ(config.locale.longTime, "HH:mm:ss");
  EXPECT_EQ(config.locale.decimal, ",");
  ASSERT_TRUE(config.clock.has_value());
  EXPECT_EQ(config.clock->year, 2004);
  EXPECT_EQ(config.clock->dayOfWeek, 0);  // a Sunday
  EXPECT_EQ(config.clock->second, 58);
  EXPECT_EQ(config.environment, (std::map<std::string, std::string>{{"temp", "C:\\Temp"}}));
}

TEST(MachineConfig, ClockNeedsAValidTime) {
  struct Case {
    const char* text;
    bool valid;
    int dayOfWeek;
  };
  for (const Case& c :
       {Case{"1970-01-01 00:00:00", true, 4}, Case{"2000-01-01 12:30:00", true, 6},
        Case{"1969-12-31 23:59:59", true, 3}, Case{"2023-02-29 00:00:00", false, 0},
        Case{"2024-13-01 00:00:00", false, 0}, Case{"2024-01-01 24:00:00", false, 0},
        Case{"2024-01-01T00:00:00", false, 0}, Case{"2024-1-1 0:0:0", false, 0},
        Case{"yesterday", false, 0}}) {
    std::optional<LocalTime> time = ParseClock(c.text);
    EXPECT_EQ(time.has_value(), c.valid) << c.text;
    if (time) {
      EXPECT_EQ(time->dayOfWeek, c.dayOfWeek) << c.text;
    }
  }
}

}  // namespace
}  // namespace quellorn::platform
