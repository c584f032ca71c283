#pragma once

#include <string_view>

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// Sizes in logical units (see dpi.h), measured with the font as the screen shows it.
// The height text takes in the font when it wraps at the width, at least one line.
int TextHeight(HFONT font, std::string_view text, int width);
// The width of one line of text in the font.
int TextWidth(HFONT font, std::string_view text);

}  // namespace quellorn::ui::win32
