#include "ui/win32/controls.h"

namespace quellorn::ui::win32 {

namespace {

HWND Make(const wchar_t* kind, HWND parent, int id, std::string_view text, Box box, DWORD style,
          DWORD exStyle = 0) {
  const HWND control = CreateWindowExW(
      exStyle, kind, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
      box.width, box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleW(nullptr), nullptr);
  return control;
}

void UseFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

HWND MakeButton(HWND parent, int id, std::string_view caption, Box box, HFONT font,
                bool isDefault) {
  const HWND button = Make(WC_BUTTONW, parent, id, caption, box,
                           WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
  UseFont(button, font);
  return button;
}

HWND MakeCheckBox(HWND parent, int id, std::string_view caption, Box box, HFONT font) {
  const HWND check = Make(WC_BUTTONW, parent, id, caption, box, WS_TABSTOP | BS_AUTOCHECKBOX);
  UseFont(check, font);
  return check;
}

HWND MakeLabel(HWND parent, int id, std::string_view text, Box box, HFONT font, DWORD style) {
  const HWND label = Make(WC_STATICW, parent, id, text, box, style | SS_NOPREFIX);
  UseFont(label, font);
  return label;
}

HWND MakeListView(HWND parent, int id, Box box, HFONT font, DWORD style) {
  const HWND list = Make(WC_LISTVIEWW, parent, id, "", box,
                         WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | style, WS_EX_CLIENTEDGE);
  UseFont(list, font);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  return list;
}

HWND MakeProgressBar(HWND parent, int id, Box box) {
  const HWND bar = Make(PROGRESS_CLASSW, parent, id, "", box, PBS_SMOOTH);
  SendMessageW(bar, PBM_SETRANGE32, 0, 100);
  return bar;
}

}  // namespace quellorn::ui::win32
