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

// Reads a text field by field as a picture describes it.
class PictureReader {
 public:
  explicit PictureReader(std::string_view text) : text_(text) {}

  bool Read(std::string_view picture, platform::LocalTime& t) {
    for (std::size_t i = 0; i < picture.size();) {
      const char c = picture[i];
      if (c == '\'') {
        std::string quoted;
        i = CopyQuoted(picture, i + 1, quoted);
        if (!Literal(quoted)) return false;
      } else if (IsPictureLetter(c)) {
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
          ++run;
        if (!Field(c, run, t)) return false;
        i += run;
      } else {
        if (!Literal(std::string_view(&picture[i], 1))) return false;
        ++i;
      }
    }
    return true;
  }
  bool AtEnd() const { return pos_ == text_.size(); }
  bool Literal(std::string_view literal) {
    if (text_.substr(pos_, literal.size()) != literal) return false;
    pos_ += literal.size();
    return true;
  }
  // Whether a designator said afternoon; nothing without one.
  std::optional<bool> afternoon;

 private:
  bool Field(char letter, std::size_t count, platform::LocalTime& t) {
    switch (letter) {
      case 'd':
        return count <= 2 ? Digits(2, t.day) : Name(kDays, count == 3, t.dayOfWeek);
      case 'M':
        if (count <= 2) return Digits(2, t.month);
        if (!Name(kMonths, count == 3, t.month)) return false;
        ++t.month;
        return true;
      case 'y':
        if (count > 2) return Digits(4, t.year);
        if (!Digits(2, t.year)) return false;
        t.year += t.year < 30 ? 2000 : 1900;  // the two-digit window Windows uses
        return true;
      case 'g':
        return Literal("A.D.");
      case 'h':
      case 'H':
        return Digits(2, t.hour);
      case 'm':
        return Digits(2, t.minute);
      case 's':
        return Digits(2, t.second);
      default:  // 't'
        return Designator(count == 1);
    }
  }
  bool Digits(std::size_t most, int& value) {
    std::size_t n = 0;
    value = 0;
    while (n < most && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      value = value * 10 + (text_[pos_++] - '0');
      ++n;
    }
    return n > 0;
  }
  template <std::size_t N>
  bool Name(const std::array<const char*, N>& names, bool abbreviated, int& index) {
    for (std::size_t k = 0; k < N; ++k) {
      const std::string_view name = names[k];
      if (Literal(abbreviated ? name.substr(0, 3) : name)) {
        index = static_cast<int>(k);
        return true;
      }
    }
    return false;
  }
  bool Designator(bool oneLetter) {
    for (const bool pm : {false, true}) {
      const std::string_view word = pm ? "PM" : "AM";
      if (Literal(oneLetter ? word.substr(0, 1) : word)) {
        afternoon = pm;
        return true;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Days from 1 January 1970 to the date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int DaysInMonth(int year, int month) {
  return static_cast<int>(DaysFromCivil(year + (month == 12 ? 1 : 0), month % 12 + 1, 1) -
                          DaysFromCivil(year, month, 1));
}

bool IsRealTime(const platform::LocalTime& t) {
  return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) &&
         t.hour < 24 && t.minute < 60 && t.second < 60;
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

std::optional<platform::LocalTime> ParseGeneralDate(std::string_view text,
                                                    const platform::LocaleFormats& locale) {
  platform::LocalTime t;
  PictureReader reader(text);
  if (!reader.Read(locale.shortDate, t)) return std::nullopt;
  if (!reader.AtEnd() && !(reader.Literal(" ") && reader.Read(locale.longTime, t))) {
    return std::nullopt;
  }
  if (!reader.AtEnd()) return std::nullopt;
  if (reader.afternoon) {
    if (t.hour < 1 || t.hour > 12) return std::nullopt;
    t.hour = t.hour % 12 + (*reader.afternoon ? 12 : 0);
  }
  if (!IsRealTime(t)) return std::nullopt;
  t.dayOfWeek = static_cast<int>((DaysFromCivil(t.year, t.month, t.day) % 7 + 11) % 7);
  return t;
}

std::int64_t ElapsedSeconds(const platform::LocalTime& from, const platform::LocalTime& to) {
  const auto seconds = [](const platform::LocalTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
  };
  return seconds(to) - seconds(from);
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
