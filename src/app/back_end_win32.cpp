#include "app/back_end.h"

#include "platform/win32/win32_platform.h"

namespace quellorn::app {

std::unique_ptr<platform::BackEnd> OpenBackEnd(const std::optional<std::string>& machineFolder,
                                               std::string& error) {
  if (machineFolder) {
    error = "--machine is not available in the Windows build, which works on the real system";
    return nullptr;
  }
  return std::make_unique<platform::Win32Platform>();
}

}  // namespace quellorn::app
