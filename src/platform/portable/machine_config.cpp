#include "platform/portable/machine_config.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace quellorn::platform {
namespace {

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return lower;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
  Number parsed{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  number = parsed;
  return true;
}

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  long era = (year >= 0 ? year : year - 399) / 400;
  long yearOfEra = year - era * 400;
  long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

void SetMachine(MachineConfig& config, const std::string& key, std::string_view value) {
  if (key == "user") config.user = value;
  if (key == "windows") config.windowsFolder = value;
  if (key == "program") config.programFolder = value;
  if (key == "platform") ParseNumber(value, config.version.platformId);
  if (key == "major") ParseNumber(value, config.version.major);
  if (key == "minor") ParseNumber(value, config.version.minor);
}

void SetDrive(MachineConfig& config, const std::string& key, std::string_view value) {
  if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'z' && !value.empty()) {
    config.drives[key[0]] = value;
  }
}

void SetLocale(MachineConfig& config, const std::string& key, std::string_view value) {
  if (key == "shortdate") config.locale.shortDate = value;
  if (key == "longtime") config.locale.longTime = value;
  if (key == "decimal") config.locale.decimal = value;
}

void SetClock(MachineConfig& config, const std::string& key, std::string_view value) {
  if (key == "now") config.clock = ParseClock(value);
}

void SetEnvironment(MachineConfig& config, const std::string& key, std::string_view value) {
  config.environment[key] = value;
}

using Setter = std::function<void(MachineConfig&, const std::string&, std::string_view)>;

Setter SetterOf(const std::string& section) {
  if (section == "machine") return SetMachine;
  if (section == "drives") return SetDrive;
  if (section == "locale") return SetLocale;
  if (section == "clock") return SetClock;
  if (section == "environment") return SetEnvironment;
  return nullptr;
}

}  // namespace

std::optional<LocalTime> ParseClock(std::string_view text) {
  text = Trim(text);
  // Positions of the separators in "YYYY-MM-DD HH:MM:SS".
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  LocalTime time;
  bool numbers =
      ParseNumber(text.substr(0, 4), time.year) && ParseNumber(text.substr(5, 2), time.month) &&
      ParseNumber(text.substr(8, 2), time.day) && ParseNumber(text.substr(11, 2), time.hour) &&
      ParseNumber(text.substr(14, 2), time.minute) && ParseNumber(text.substr(17, 2), time.second);
  if (!numbers || time.month < 1 || time.month > 12 || time.day < 1 ||
      time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59 ||
      time.second > 59) {
    return std::nullopt;
  }
  // 1970-01-01 was a Thursday.
  time.dayOfWeek =
      static_cast<int>(((DaysFromCivil(time.year, time.month, time.day) % 7) + 11) % 7);
  return time;
}

MachineConfig ParseMachineConfig(std::string_view text) {
  MachineConfig config;
  Setter setter;
  while (!text.empty()) {
    std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      setter = SetterOf(Lower(Trim(line.substr(1, line.size() - 2))));
      continue;
    }
    std::size_t equals = line.find('=');
    if (!setter || equals == std::string_view::npos) continue;
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    setter(config, Lower(Trim(line.substr(0, equals))), value);
  }
  return config;
}

}  // namespace quellorn::platform
