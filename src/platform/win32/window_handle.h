#pragma once

#include <cstdint>

#include "platform/desktop.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

// Window handles cross the platform boundary as numbers.
inline HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline WindowHandle FromHwnd(HWND window) {
  return reinterpret_cast<std::uintptr_t>(window);
}

}  // namespace quellorn::platform::win32
