#include "ui/win32/text_size.h"

#include <algorithm>

namespace quellorn::ui::win32 {

int TextHeight(HFONT font, std::string_view text, int width) {
  const std::wstring wide = Wide(text);
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  RECT area{0, 0, width, 0};
  DrawTextW(screen, wide.c_str(), static_cast<int>(wide.size()), &area,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return std::max<int>(area.bottom - area.top, metrics.tmHeight);
}

int TextWidth(HFONT font, std::string_view text) {
  const std::wstring wide = Wide(text);
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

}  // namespace quellorn::ui::win32
