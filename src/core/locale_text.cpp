#include "core/locale_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace quellorn {
namespace {

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string Number(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

int Hour12(int hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

// One run of the same picture letter, `count` long.
std::string Field(char letter, std::size_t count, const platform::LocalTime& t) {
  const int n = static_cast<int>(count);
  switch (letter) {
    case 'd':
      if (n <= 2) return Number(t.day, n);
      return n == 3 ? std::string(kDays[t.dayOfWeek]).substr(0, 3) : kDays[t.dayOfWeek];
    case 'M':
      if (n <= 2) return Number(t.month, n);
      return n == 3 ? std::string(kMonths[t.month - 1]).substr(0, 3) : kMonths[t.month - 1];
    case 'y':
      if (n <= 2) return Number(t.year % 100, n);
      return Number(t.year, 4);
    case 'g':
      return "A.D.";
    case 'h':
      return Number(Hour12(t.hour), std::min(n, 2));
    case 'H':
      return Number(t.hour, std::min(n, 2));
    case 'm':
      return Number(t.minute, std::min(n, 2));
    case 's':
      return Number(t.second, std::min(n, 2));
    case 't': {
      const std::string designator = t.hour < 12 ? "AM" : "PM";
      return n == 1 ? designator.substr(0, 1) : designator;
    }
    default:
      return std::string(count, letter);
  }
}

bool IsPictureLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'g' || c == 'h' || c == 'H' || c == 'm' ||
         c == 's' || c == 't';
}

// Copies quoted text starting after the opening quote, where two quotes stand for one quote
// character; answers the position after the closing quote.
std::size_t CopyQuoted(std::string_view picture, std::size_t i, std::string& out) {
  for (; i < picture.size(); ++i) {
    if (picture[i] != '\'') {
      out += picture[i];
    } else if (i + 1 < picture.size() && picture[i + 1] == '\'') {
      out += '\'';
      ++i;
    } else {
      return i + 1;
    }
  }
  return i;
}

}  // namespace

std::string FormatPicture(std::string_view picture, const platform::LocalTime& time) {
  std::string out;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      i = CopyQuoted(picture, i + 1, out);
    } else if (IsPictureLetter(c)) {
      std::size_t run = 1;
      while (i + run < picture.size() && picture[i + run] == c)
        ++run;
      out += Field(c, run, time);
      i += run;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

std::string FormatGeneralDate(const platform::LocalTime& time,
                              const platform::LocaleFormats& locale) {
  std::string text = FormatPicture(locale.shortDate, time);
  if (time.hour != 0 || time.minute != 0 || time.second != 0) {
    text += ' ';
    text += FormatPicture(locale.longTime, time);
  }
  return text;
}

std::string FormatDecimal2(double value, std::string_view decimalSeparator) {
  // Hundredths, rounded half away from zero as the picture formatter does.
  const auto hundredths = static_cast<std::int64_t>(std::llround(std::fabs(value) * 100));
  std::string text = (value < 0 && hundredths != 0) ? "-" : "";
  text += std::to_string(hundredths / 100);
  text += decimalSeparator;
  const auto fraction = hundredths % 100;
  if (fraction != 0) {
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace quellorn
