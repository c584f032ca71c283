#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system_info.h"

namespace quellorn::platform {

// What machine.ini says about the Windows installation a machine folder stands for. Every
// setting has a default (a Windows XP machine of user "user"), so a missing file or a bad
// line leaves a usable machine.
struct MachineConfig {
  std::string user = "user";
  std::string windowsFolder = "C:\\WINDOWS";
  WindowsVersion version{2, 5, 1};
  std::string programFolder = "C:\\Program Files\\Quellorn";
  // Drive letter (lower case) to its folder, relative to the machine folder.
  std::map<char, std::string> drives{{'c', "drive_c"}};
  LocaleFormats locale;
  // A fixed clock for tests; the real local time when absent.
  std::optional<LocalTime> clock;
  // Environment variables (names in lower case, looked up in any).
  std::map<std::string, std::string> environment;
};

// Reads the text of machine.ini: sections [machine], [drives], [locale], [clock] and
// [environment]; section
// and key names without regard to case; blanks around names and values ignored; ';' starts a
// comment line.
MachineConfig ParseMachineConfig(std::string_view text);

// "YYYY-MM-DD HH:MM:SS" with its day of the week; nothing for text that is no valid time.
std::optional<LocalTime> ParseClock(std::string_view text);

}  // namespace quellorn::platform
