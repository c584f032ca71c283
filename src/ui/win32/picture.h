#pragma once

#include <string_view>

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// A picture file (JPEG, GIF or BMP) as a bitmap of the program's own; empty when the file is
// missing or no picture.
UniqueBitmap LoadPicture(std::string_view path);

// Draws the bitmap with its top left corner at the point, both in logical units (see dpi.h): at
// its own size at 96 DPI, scaled smoothly with the screen's DPI otherwise.
void DrawPicture(HDC dc, HBITMAP picture, int left, int top);

}  // namespace quellorn::ui::win32
