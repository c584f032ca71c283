#include "ui/win32/controls.h"

#include "ui/win32/dpi.h"

namespace quellorn::ui::win32 {

namespace {

HWND Make(const wchar_t* kind, HWND parent, int id, std::string_view text, Box box, DWORD style,
          DWORD exStyle = 0) {
  return MakeControl(kind, parent, id, text, box, WS_VISIBLE | style, exStyle);
}

// A row of a list or combo box, asked with the control's own length and text messages.
std::string RowText(HWND control, int row, UINT lengthMessage, UINT textMessage) {
  const auto length = SendMessageW(control, lengthMessage, row, 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(control, textMessage, row, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return platform::win32::ToUtf8(text);
}

}  // namespace

HWND MakeControl(const wchar_t* kind, HWND parent, int id, std::string_view text, Box box,
                 DWORD style, DWORD exStyle) {
  const Box at = Px(box);
  return CreateWindowExW(exStyle, kind, Wide(text).c_str(), WS_CHILD | style, at.left, at.top,
                         at.width, at.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void UseFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

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

HWND MakeRadioButton(HWND parent, int id, std::string_view caption, Box box, HFONT font,
                     bool first) {
  const HWND option = Make(WC_BUTTONW, parent, id, caption, box,
                           BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0));
  UseFont(option, font);
  return option;
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
  // A row cut at the list's edge shows its whole text in a tip.
  ListView_SetExtendedListViewStyle(list,
                                    LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  return list;
}

HWND MakeProgressBar(HWND parent, int id, Box box) {
  const HWND bar = Make(PROGRESS_CLASSW, parent, id, "", box, PBS_SMOOTH);
  SendMessageW(bar, PBM_SETRANGE32, 0, 100);
  return bar;
}

HWND MakeEdit(HWND parent, int id, Box box, HFONT font, DWORD style) {
  const HWND edit = Make(WC_EDITW, parent, id, "", box, WS_TABSTOP | style, WS_EX_CLIENTEDGE);
  UseFont(edit, font);
  return edit;
}

HWND MakeListBox(HWND parent, int id, Box box, HFONT font, DWORD style) {
  const HWND list =
      Make(WC_LISTBOXW, parent, id, "", box,
           WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | style, WS_EX_CLIENTEDGE);
  UseFont(list, font);
  return list;
}

HWND MakeDropDownList(HWND parent, int id, Box box, HFONT font) {
  const HWND combo =
      Make(WC_COMBOBOXW, parent, id, "", box, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  UseFont(combo, font);
  return combo;
}

std::string ControlText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return platform::win32::ToUtf8(text);
}

void FillListBox(HWND list, const std::vector<std::string>& rows) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(row).c_str()));
}

std::string ListBoxText(HWND list, int row) {
  return RowText(list, row, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListBoxSelection(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

void FillDropDownList(HWND combo, const std::vector<std::string>& rows, std::string_view chosen) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(row).c_str()));
  SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(Wide(chosen).c_str()));
}

std::string ComboBoxText(HWND combo, int row) {
  return RowText(combo, row, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::string ComboBoxChoice(HWND combo) {
  return ComboBoxText(combo, static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
}

}  // namespace quellorn::ui::win32
