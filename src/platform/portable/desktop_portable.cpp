#include "platform/portable/desktop_portable.h"

#include "platform/key_notation.h"

namespace quellorn::platform {

WindowHandle PortableDesktop::FindByTitle(std::string_view, std::chrono::milliseconds,
                                          WindowHandle) {
  return 0;
}

bool PortableDesktop::Exists(WindowHandle) {
  return false;
}

bool PortableDesktop::WaitUntilGone(WindowHandle, std::chrono::milliseconds) {
  return true;
}

Status PortableDesktop::Show(WindowHandle, ShowStyle) {
  return kInvalidWindowHandle;
}

Status PortableDesktop::Post(WindowHandle, std::uint32_t, std::uint64_t, std::int64_t) {
  return kInvalidWindowHandle;
}

Status PortableDesktop::PostKeys(WindowHandle, std::string_view keys) {
  // Malformed keys are refused before any window is looked at, as on Windows.
  return ParseKeys(keys) ? kInvalidWindowHandle : kInvalidParameter;
}

}  // namespace quellorn::platform
