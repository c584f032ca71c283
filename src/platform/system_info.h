#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quellorn::platform {

// What GetVersionEx reports.
struct WindowsVersion {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// The user's date, time and number formats as Windows keeps them (LOCALE_SSHORTDATE,
// LOCALE_STIMEFORMAT, LOCALE_SDECIMAL).
struct LocaleFormats {
  std::string shortDate = "M/d/yyyy";
  std::string longTime = "h:mm:ss tt";
  std::string decimal = ".";
};

struct LocalTime {
  int year = 0;
  int month = 0;      // 1..12
  int day = 0;        // 1..31
  int dayOfWeek = 0;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // GetWindowsDirectory as it answers: no trailing backslash unless the folder is a root.
  virtual std::string WindowsFolder() = 0;
  // GetUserName: the logged-on user's name (the buffer may hold NUL characters).
  virtual std::string UserName() = 0;
  virtual WindowsVersion Version() = 0;
  virtual LocaleFormats Locale() = 0;
  virtual LocalTime Now() = 0;
  // The folder of the running program, without trailing backslash.
  virtual std::string ProgramFolder() = 0;
  // GetEnvironmentVariable: the value of an environment variable (its name in any letter
  // case), "" when it is not set.
  virtual std::string Environment(std::string_view name) = 0;
};

}  // namespace quellorn::platform
