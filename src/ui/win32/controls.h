#pragma once

#include <string_view>

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// A control's place in its window's client area.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Child controls in the program's font. Each takes part in Tab order unless it is a label.
HWND MakeButton(HWND parent, int id, std::string_view caption, Box box, HFONT font,
                bool isDefault = false);
HWND MakeCheckBox(HWND parent, int id, std::string_view caption, Box box, HFONT font);
// A label; with SS_NOTIFY it reports clicks (a link).
HWND MakeLabel(HWND parent, int id, std::string_view text, Box box, HFONT font,
               DWORD style = SS_LEFT);
HWND MakeListView(HWND parent, int id, Box box, HFONT font, DWORD style);
HWND MakeProgressBar(HWND parent, int id, Box box);

}  // namespace quellorn::ui::win32
