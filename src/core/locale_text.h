#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system_info.h"

namespace quellorn {

// Renders a Windows date or time picture ("M/d/yyyy", "dddd, MMMM dd", "h:mm:ss tt",
// "HH'h'mm") for the given moment. Letters outside the picture language and text in single
// quotes are copied.
std::string FormatPicture(std::string_view picture, const platform::LocalTime& time);

// The general date format of the user's locale: short date, a blank, long time; at exactly
// midnight the date alone.
std::string FormatGeneralDate(const platform::LocalTime& time,
                              const platform::LocaleFormats& locale);

// Reads back what FormatGeneralDate writes in that locale: the short date, then optionally a
// blank and the long time. Nothing for text in another form or naming no real date and time.
std::optional<platform::LocalTime> ParseGeneralDate(std::string_view text,
                                                    const platform::LocaleFormats& locale);

// Seconds from one local time to another (negative when `to` is earlier).
std::int64_t ElapsedSeconds(const platform::LocalTime& from, const platform::LocalTime& to);

// The pattern "####0.##" with the locale's decimal separator: at least one integer digit, up
// to two decimals without trailing zeros, the separator always written ("0.", "2.5").
std::string FormatDecimal2(double value, std::string_view decimalSeparator);

}  // namespace quellorn
