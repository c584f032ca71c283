#include "core/locale_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/number_text.h"

namespace quellorn {
namespace {

platform::LocalTime At(int hour, int minute, int second) {
  // Thursday, 7 March 2024.
  return {2024, 3, 7, 4, hour, minute, second};
}

TEST(FormatGeneralDate, UsesTheUsersShortDateAndLongTime) {
  const platform::LocaleFormats us;  // M/d/yyyy h:mm:ss tt
  EXPECT_EQ(FormatGeneralDate(At(13, 5, 9), us), "3/7/2024 1:05:09 PM");
  EXPECT_EQ(FormatGeneralDate(At(0, 0, 1), us), "3/7/2024 12:00:01 AM");
  EXPECT_EQ(FormatGeneralDate(At(0, 0, 0), us), "3/7/2024") << "no time at exactly midnight";

  const platform::LocaleFormats german{"dd.MM.yyyy", "HH:mm:ss", ","};
  EXPECT_EQ(FormatGeneralDate(At(9, 5, 0), german), "07.03.2024 09:05:00");
}

TEST(ParseGeneralDate, ReadsBackWhatTheLocaleWrites) {
  const platform::LocaleFormats locales[] = {
      {}, {"dd.MM.yyyy", "HH:mm:ss", ","}, {"dddd, MMMM d, yy", "h'h'mm ss t", "."}};
  for (const auto& locale : locales) {
    for (const auto& time : {At(13, 5, 9), At(0, 0, 0), At(0, 0, 1), At(12, 30, 0)}) {
      const std::string text = FormatGeneralDate(time, locale);
      const auto read = ParseGeneralDate(text, locale);
      ASSERT_TRUE(read) << text;
      EXPECT_EQ(FormatGeneralDate(*read, locale), text);
      EXPECT_EQ(ElapsedSeconds(time, *read), 0) << text;
      EXPECT_EQ(read->dayOfWeek, 4) << text;
    }
  }
  const platform::LocaleFormats us;
  for (const char* bad : {"", "unknown value", "2/30/2024", "3/7/2024 13:05:09 PM",
                          "3/7/2024 1:05:09 PM later", "3/7/2024 1:61:00 PM", "3-7-2024"})
    EXPECT_FALSE(ParseGeneralDate(bad, us)) << bad;
  EXPECT_EQ(ElapsedSeconds({2024, 2, 28, 3, 23, 59, 59}, {2024, 3, 1, 5, 0, 0, 0}), 86401)
      << "29 February 2024";
  EXPECT_EQ(ElapsedSeconds({2023, 12, 31, 0, 0, 0, 0}, {2023, 3, 1, 3, 0, 0, 0}), -305 * 86400);
}

TEST(FormatPicture, RendersNamesQuotesAndShortForms) {
  EXPECT_EQ(FormatPicture("dddd, MMMM d, yyyy", At(8, 0, 0)), "Thursday, March 7, 2024");
  EXPECT_EQ(FormatPicture("ddd MMM yy", At(8, 0, 0)), "Thu Mar 24");
  EXPECT_EQ(FormatPicture("HH'h'mm t", At(8, 4, 0)), "08h04 A");
  EXPECT_EQ(FormatPicture("h 'o''clock'", At(12, 0, 0)), "12 o'clock");
}

TEST(FormatDecimal2, FollowsTheTwoDecimalPattern) {
  const struct {
    double value;
    const char* separator;
    const char* expected;
  } cases[] = {{0, ".", "0."},
               {2, ".", "2."},
               {2.5, ".", "2.5"},
               {2.5, ",", "2,5"},
               {1234.567, ".", "1234.57"},
               {0.004, ".", "0."},
               {0.005, ".", "0.01"},
               {99999.999, ".", "100000."},
               {0.1, ".", "0.1"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatDecimal2(c.value, c.separator), c.expected) << c.value;
}

TEST(ParseWholeNumber, ConvertsSettingsText) {
  constexpr auto kMin = std::numeric_limits<std::int16_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int16_t>::max();
  const struct {
    const char* text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"0", 0},      {"1", 1},
      {" 7 ", 7},    {"-1", -1},
      {"+3", 3},     {"2.5", 2},
      {"3.5", 4},    {"32767", 32767},
      {"32768", {}}, {"-32769", {}},
      {"", {}},      {"abc", {}},
      {"1x", {}},    {"unknown value", {}},
      {".", {}},     {"1 2", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseWholeNumber(c.text, kMin, kMax), c.expected) << '"' << c.text << '"';
}

TEST(LeadingNumber, TakesTheNumericStartOfTheText) {
  const struct {
    const char* text;
    std::int16_t expected;
  } cases[] = {
      {"3x", 3},  {"abc", 0},   {"", 0},     {"  12 passes", 12},  {"2.5", 2},
      {"-2", -2}, {"99999", 0}, {"7.9z", 8}, {"unknown value", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LeadingNumber16(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace quellorn
