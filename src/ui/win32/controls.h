#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// A control's place in its window's client area.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A child control of any kind at a box in logical units (see dpi.h); WS_CHILD is added.
HWND MakeControl(const wchar_t* kind, HWND parent, int id, std::string_view text, Box box,
                 DWORD style, DWORD exStyle = 0);
void UseFont(HWND control, HFONT font);

// Child controls in the program's font. Each takes part in Tab order unless it is a label.
HWND MakeButton(HWND parent, int id, std::string_view caption, Box box, HFONT font,
                bool isDefault = false);
HWND MakeCheckBox(HWND parent, int id, std::string_view caption, Box box, HFONT font);
// An option of a group that begins with the option made with `first`.
HWND MakeRadioButton(HWND parent, int id, std::string_view caption, Box box, HFONT font,
                     bool first);
// A label; with SS_NOTIFY it reports clicks (a link).
HWND MakeLabel(HWND parent, int id, std::string_view text, Box box, HFONT font,
               DWORD style = SS_LEFT);
HWND MakeListView(HWND parent, int id, Box box, HFONT font, DWORD style);
HWND MakeProgressBar(HWND parent, int id, Box box);
// A one-line text box (ES_AUTOHSCROLL unless `style` says otherwise).
HWND MakeEdit(HWND parent, int id, Box box, HFONT font, DWORD style = ES_AUTOHSCROLL);
// A list box that reports selection changes and double clicks, scrolling vertically.
HWND MakeListBox(HWND parent, int id, Box box, HFONT font, DWORD style = 0);
HWND MakeDropDownList(HWND parent, int id, Box box, HFONT font);

// A control's text as UTF-8.
std::string ControlText(HWND control);
// A list box's rows: replaced all at once, read one by one, and the chosen one (-1: none).
void FillListBox(HWND list, const std::vector<std::string>& rows);
std::string ListBoxText(HWND list, int row);
int ListBoxSelection(HWND list);
// A drop-down list's rows, with `chosen` the chosen one.
void FillDropDownList(HWND combo, const std::vector<std::string>& rows, std::string_view chosen);
// The text of a combo box's row; the chosen row's text.
std::string ComboBoxText(HWND combo, int row);
std::string ComboBoxChoice(HWND combo);

}  // namespace quellorn::ui::win32
