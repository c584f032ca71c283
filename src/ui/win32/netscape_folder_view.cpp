#include "ui/win32/netscape_folder_view.h"

#include "core/context.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
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
  const HWND edit = MakeEdit(hwnd(), kFolder,
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
      if (code == EN_CHANGE) model_.folderText = ControlText(Control(kFolder));
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
  DrawEtched(dc, frame_, BF_RECT);
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
  client = Logical(client);
  const int width = client.right - 2 * kPad;
  FillDropDownList(MakeDropDownList(hwnd(), kDrive, {kPad, kPad, width, 200}, font),
                   model_.Drives(), model_.drive());
  MakeLabel(hwnd(), kPath, "", {kPad, kPad + 30, width, 16}, font, SS_LEFT | SS_PATHELLIPSIS);
  const int listTop = kPad + 50;
  const int buttonTop = client.bottom - kPad - kButtonHeight;
  MakeListBox(hwnd(), kFolders, {kPad, listTop, width, buttonTop - kGap - listTop}, font);
  MakeButton(hwnd(), IDOK, "OK", {kPad, buttonTop, kButtonWidth, kButtonHeight}, font, true);
  MakeButton(hwnd(), IDCANCEL, "Exit",
             {client.right - kPad - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, font);
}

void NetscapeFolderChooserView::ShowFolder() {
  SetText(Control(kPath), model_.folder());
  const HWND list = Control(kFolders);
  FillListBox(list, model_.FolderRows());
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
    model_.OnDriveChange(ComboBoxChoice(Control(kDrive)));
    return ShowFolder();
  }
  if (id == kFolders && code == LBN_DBLCLK) {
    const HWND list = Control(kFolders);
    model_.OnFolderRow(ListBoxText(list, ListBoxSelection(list)));
    return ShowFolder();
  }
  if (id == IDOK) return model_.OnOk();
  if (id == IDCANCEL) return model_.OnExit();
}

}  // namespace quellorn::ui::win32
