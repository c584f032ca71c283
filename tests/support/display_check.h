#pragma once

#include "platform/win32/win32_base.h"

namespace quellorn::testing {

// Whether this process can show windows: under Wine only when the test run has a display.
inline bool CanShowWindows() {
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return false;
  DestroyWindow(window);
  return true;
}

}  // namespace quellorn::testing
