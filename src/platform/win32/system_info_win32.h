#pragma once

#include "platform/system_info.h"

namespace quellorn::platform {

// System facts of the running Windows and the logged-on user.
class Win32SystemInfo final : public SystemInfo {
 public:
  std::string WindowsFolder() override;
  std::string UserName() override;
  WindowsVersion Version() override;
  LocaleFormats Locale() override;
  LocalTime Now() override;
  std::string ProgramFolder() override;
  std::string Environment(std::string_view name) override;
};

}  // namespace quellorn::platform
