#pragma once

#include "platform/portable/machine_config.h"
#include "platform/system_info.h"

namespace quellorn::platform {

// The system facts of a machine folder, from its machine.ini.
class PortableSystemInfo : public SystemInfo {
 public:
  explicit PortableSystemInfo(const MachineConfig& config) : config_(config) {}

  std::string WindowsFolder() override;
  std::string UserName() override { return config_.user; }
  WindowsVersion Version() override { return config_.version; }
  LocaleFormats Locale() override { return config_.locale; }
  // The [clock] time when machine.ini fixes one, else the host's local time.
  LocalTime Now() override;
  std::string ProgramFolder() override;
  std::string Environment(std::string_view name) override;

 private:
  const MachineConfig& config_;
};

}  // namespace quellorn::platform
