#include <filesystem>
#include <system_error>

#include "app/back_end.h"
#include "platform/portable/portable_machine.h"

namespace quellorn::app {

std::unique_ptr<platform::BackEnd> OpenBackEnd(const std::optional<std::string>& machineFolder,
                                               platform::Access access, std::string& error) {
  // This build has no Windows to run on: it works on machine folders only.
  if (!machineFolder) {
    error = "a machine folder is required (--machine DIR)";
    return nullptr;
  }
  std::error_code failure;
  if (!std::filesystem::is_directory(*machineFolder, failure)) {
    error = "machine folder not found: " + *machineFolder;
    return nullptr;
  }
  return std::make_unique<platform::PortableMachine>(*machineFolder, access);
}

}  // namespace quellorn::app
