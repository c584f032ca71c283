#include "app/back_end.h"

#include "platform/win32/win32_platform.h"

namespace quellorn::app {

std::unique_ptr<platform::BackEnd> OpenBackEnd(const std::optional<std::string>& machineFolder,
                                               platform::Access access, std::string& error) {
  if (machineFolder) {
    error = "--machine is not available in the Windows build, which works on the real system";
    return nullptr;
  }
  // The real system is only changed by what the program does: looking writes nothing.
  static_cast<void>(access);
  return std::make_unique<platform::Win32Platform>();
}

}  // namespace quellorn::app
