#include "ui/win32/netscape_folder_view.h"

#include "core/context.h"
#include "ui/win32/controls.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 190;
constexpr int kFolder = 201;
constexpr int kBrowse = 202;
constexpr int kPad = 12;
constexpr int kEditHeight = 21;

constexpr int kChooserWidth = 320;
constexpr int kChooserHeight = 340;
constexpr int kDrive = 301;
constexpr int kPath = 302;
constexpr int kFolders = 303;
constexpr std::string_view kParent = "..";

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return platform::win32::ToUtf8(text);
}

HWND MakeChild(const wchar_t* kind, HWND parent, int id, DWORD style, DWORD exStyle, Box box,
               HFONT font) {
  const HWND control = CreateWindowExW(
      exStyle, kind, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, box.left, box.top, box.width,
      box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

std::string ListText(HWND list, int index) {
  const auto length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return platform::win32::ToUtf8(text);
}

}  // namespace

NetscapeFolderView::NetscapeFolderView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight), loop_(loop), model_(ctx) {}

void NetscapeFolderView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.NetscapeFolder", NetscapeFolderWindow::kCaption, owner)) return;
  model_.Load();
  Build();
  RunModal(loop_, owner, Control(kFolder), [&] { return model_.closed(); });
}

void NetscapeFolderView::Build() {
  SetTitle(NetscapeFolderWindow::kCaption);
  const HFONT font = fonts().text.get();
  const int top = kContentTop + 8;
  frame_ = {kContentLeft, top, kWidth - kContentLeft, top + 2 * kPad + kEditHeight + 8};
  const std::string_view caption = NetscapeFolderWindow::kFrameCaption;
  MakeLabel(hwnd(), 0, caption, {kContentLeft + kGap, top - 7, TextWidth(font, caption) + 6, 14},
            font);
  constexpr int kBrowseWidth = 30;
  const int editWidth = kWidth - 2 * kContentLeft - 2 * kPad - kBrowseWidth - kGap;
  const HWND edit = MakeChild(WC_EDITW, hwnd(), kFolder, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                              {kContentLeft + kPad, top + kPad + 6, editWidth, kEditHeight}, font);
  SetText(edit, model_.folderText);
  MakeButton(hwnd(), kBrowse, "...",
             {kContentLeft + kPad + editWidth + kGap, top + kPad + 6, kBrowseWidth, kEditHeight},
             font);
  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  MakeButton(hwnd(), IDOK, "OK", {kContentLeft, buttonTop, kButtonWidth, kButtonHeight}, font,
             true);
  MakeButton(hwnd(), IDCANCEL, "Exit",
             {kContentLeft + kButtonWidth + kGap, buttonTop, kButtonWidth, kButtonHeight}, font);
  SetDefaultButton(IDOK);
}

void NetscapeFolderView::OnCommand(int id, int code) {
  switch (id) {
    case kFolder:
      if (code == EN_CHANGE) model_.folderText = WindowText(Control(kFolder));
      return;
    case kBrowse: {
      NetscapeFolderChooserView chooser(fonts(), loop_, model_.OnBrowse());
      chooser.Run(hwnd());
      return SetText(Control(kFolder), model_.folderText);
    }
    case IDOK:
      return model_.OnOk();
    case IDCANCEL:
      return model_.OnExit();
    default:
      return;
  }
}

void NetscapeFolderView::PaintContent(HDC dc) {
  DrawEdge(dc, &frame_, EDGE_ETCHED, BF_RECT);
}

NetscapeFolderChooserView::NetscapeFolderChooserView(const UiFonts& fonts, MessageLoop& loop,
                                                     NetscapeFolderChooser model)
    : fonts_(fonts), loop_(loop), model_(std::move(model)) {}

void NetscapeFolderChooserView::Run(HWND owner) {
  WindowSpec spec;
  spec.className = L"Quellorn.FolderChooser";
  spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  spec.title = Wide(NetscapeFolderChooser::kCaption);
  spec.width = kChooserWidth;
  spec.height = kChooserHeight;
  spec.owner = owner;
  if (!Create(spec)) return;
  Build();
  ShowFolder();
  loop_.AddWindow(hwnd());
  EnableWindow(owner, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(Control(kFolders));
  loop_.RunUntil([&] { return model_.closed() || !open(); });
  EnableWindow(owner, TRUE);
  loop_.RemoveWindow(hwnd());
  Destroy();
}

void NetscapeFolderChooserView::Build() {
  const HFONT font = fonts_.text.get();
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right - 2 * kPad;
  const HWND drives = MakeChild(WC_COMBOBOXW, hwnd(), kDrive, CBS_DROPDOWNLIST | WS_VSCROLL, 0,
                                {kPad, kPad, width, 200}, font);
  for (const std::string& drive : model_.Drives())
    SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(drive).c_str()));
  SendMessageW(drives, CB_SELECTSTRING, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(Wide(model_.drive()).c_str()));
  MakeLabel(hwnd(), kPath, "", {kPad, kPad + 30, width, 16}, font, SS_LEFT | SS_PATHELLIPSIS);
  const int listTop = kPad + 50;
  const int buttonTop = client.bottom - kPad - kButtonHeight;
  MakeChild(WC_LISTBOXW, hwnd(), kFolders, WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            WS_EX_CLIENTEDGE, {kPad, listTop, width, buttonTop - kGap - listTop}, font);
  MakeButton(hwnd(), IDOK, "OK", {kPad, buttonTop, kButtonWidth, kButtonHeight}, font, true);
  MakeButton(hwnd(), IDCANCEL, "Exit",
             {client.right - kPad - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, font);
}

void NetscapeFolderChooserView::ShowFolder() {
  SetText(Control(kPath), model_.folder());
  const HWND list = Control(kFolders);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  if (!model_.folder().ends_with('\\'))
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(kParent).c_str()));
  for (const std::string& name : model_.Subfolders())
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
}

LRESULT NetscapeFolderChooserView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      model_.OnExit();
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return Window::Handle(message, wParam, lParam);
  }
}

void NetscapeFolderChooserView::OnCommand(int id, int code) {
  if (id == kDrive && code == CBN_SELCHANGE) {
    const HWND combo = Control(kDrive);
    const auto index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    wchar_t drive[8] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) < 8)
      SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(drive));
    model_.OnDriveChange(platform::win32::ToUtf8(drive));
    return ShowFolder();
  }
  if (id == kFolders && code == LBN_DBLCLK) {
    const HWND list = Control(kFolders);
    const std::string name =
        ListText(list, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
    if (name == kParent) {
      model_.OnOpenParent();
    } else if (!name.empty()) {
      model_.OnOpenFolder(name);
    }
    return ShowFolder();
  }
  if (id == IDOK) return model_.OnOk();
  if (id == IDCANCEL) return model_.OnExit();
}

}  // namespace quellorn::ui::win32
