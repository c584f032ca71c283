#include "ui/win32/text_size.h"

#include <algorithm>

#include "ui/win32/dpi.h"
#include "ui/win32/owners.h"

namespace quellorn::ui::win32 {

int TextHeight(HFONT font, std::string_view text, int width) {
  const std::wstring wide = Wide(text);
  const ScreenDc screen;
  const Selection selected(screen.get(), font);
  RECT area{0, 0, Px(width), 0};
  DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &area,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  return LogicalSize(std::max<int>(area.bottom - area.top, metrics.tmHeight));
}

int TextWidth(HFONT font, std::string_view text) {
  const std::wstring wide = Wide(text);
  const ScreenDc screen;
  const Selection selected(screen.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return LogicalSize(size.cx);
}

}  // namespace quellorn::ui::win32
