#include "core/windows_info.h"

#include <algorithm>

namespace quellorn {

std::string GetWindowsFolder(platform::SystemInfo& system) {
  std::string folder = system.WindowsFolder();
  if (!folder.ends_with('\\')) folder += '\\';
  return folder;
}

std::string GetLoginName(platform::SystemInfo& system) {
  std::string name = system.UserName();
  std::erase(name, '\0');
  return name;
}

std::string GetWindowsVersion(const platform::WindowsVersion& version) {
  constexpr std::uint32_t kWindows9x = 1;
  constexpr std::uint32_t kWindowsNt = 2;
  if (version.platformId == kWindows9x) {
    if (version.minor == 0) return "95";
    if (version.minor == 10 || version.minor == 90) return "98";
    return "";
  }
  if (version.platformId != kWindowsNt) return "Failed";
  if (version.major == 3) return "Windows NT 3.51";
  if (version.major == 4) return "98";
  if (version.major == 5 && version.minor == 0) return "2000";
  if (version.major == 5 && version.minor == 1) return "xp";
  return "";
}

}  // namespace quellorn
