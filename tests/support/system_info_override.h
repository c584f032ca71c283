#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/name_fold.h"
#include "platform/system_info.h"

namespace quellorn::testing {

// Wraps a real SystemInfo and answers chosen facts differently (a fixed clock, another
// locale, a user name with NULs), so tests do not depend on the machine they run on.
class SystemInfoOverride : public platform::SystemInfo {
 public:
  explicit SystemInfoOverride(platform::SystemInfo& real) : real_(real) {}

  std::optional<std::string> windowsFolder;
  std::optional<std::string> userName;
  std::optional<platform::WindowsVersion> version;
  std::optional<platform::LocaleFormats> locale;
  std::optional<platform::LocalTime> now;
  std::map<std::string, std::string> environment;  // names in any letter case

  std::string WindowsFolder() override { return windowsFolder.value_or(real_.WindowsFolder()); }
  std::string UserName() override { return userName.value_or(real_.UserName()); }
  platform::WindowsVersion Version() override { return version.value_or(real_.Version()); }
  platform::LocaleFormats Locale() override { return locale.value_or(real_.Locale()); }
  platform::LocalTime Now() override { return now.value_or(real_.Now()); }
  std::string ProgramFolder() override { return real_.ProgramFolder(); }
  std::string Environment(std::string_view name) override {
    for (const auto& [key, value] : environment)
      if (platform::SameName(key, name)) return value;
    return real_.Environment(name);
  }

 private:
  platform::SystemInfo& real_;
};

}  // namespace quellorn::testing
