#include "platform/portable/system_info_portable.h"

#include <ctime>

#include "platform/name_fold.h"

namespace quellorn::platform {
namespace {

// Without its trailing backslash, unless it is a drive's root ("C:\").
std::string FolderText(std::string folder) {
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/'))
    folder.pop_back();
  return folder;
}

}  // namespace

std::string PortableSystemInfo::WindowsFolder() {
  return FolderText(config_.windowsFolder);
}

std::string PortableSystemInfo::Environment(std::string_view name) {
  for (const auto& [key, value] : config_.environment)
    if (SameName(key, name)) return value;
  return {};
}

std::string PortableSystemInfo::ProgramFolder() {
  return FolderText(config_.programFolder);
}

LocalTime PortableSystemInfo::Now() {
  if (config_.clock) return *config_.clock;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday,
                   local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace quellorn::platform
