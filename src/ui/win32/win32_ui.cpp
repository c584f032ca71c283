#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

std::wstring Wide(std::string_view utf8) {
  std::wstring wide;
  if (!platform::win32::ToWide(utf8, wide)) return {};
  return wide;
}

void SetText(HWND window, std::string_view utf8) {
  SetWindowTextW(window, Wide(utf8).c_str());
}

}  // namespace quellorn::ui::win32
