#include "core/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace quellorn {
namespace {

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
  for (const auto& c : cases) {
    EXPECT_EQ(ParseWholeNumber(c.text, kMin, kMax), c.expected) << '"' << c.text << '"';
  }
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
