#include "ui/win32/track_selection_view.h"

#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/file_item_editor_view.h"
#include "ui/win32/keep_list_view.h"
#include "ui/win32/netscape_folder_view.h"
#include "ui/win32/new_custom_item_view.h"
#include "ui/win32/registry_item_editor_view.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 500;
constexpr int kTabHeight = 24;
constexpr int kPad = 12;
constexpr int kRow = 22;
constexpr int kCheckHeight = 18;
constexpr int kPageTop = kContentTop + kTabHeight + 4;
constexpr int kPageRight = kWidth - kContentLeft;
constexpr int kGroupLeft = kContentLeft + kPad;
constexpr int kGroupRight = kPageRight - kPad;
constexpr int kGroupWidth = kGroupRight - kGroupLeft;
constexpr int kBrowserTabsTop = kPageTop + kPad;
constexpr int kBrowserGroupTop = kBrowserTabsTop + kTabHeight + 14;
constexpr int kWindowsGroupTop = kPageTop + 20;
// Every group as tall as the largest (seven boxes) with its select row below a rule.
constexpr int kGroupHeight = 18 + 7 * kRow + kGap + kRow + 10;
constexpr int kNetscapeButtonTop = kBrowserGroupTop + kGroupHeight + kGap;
constexpr int kPageBottom = kNetscapeButtonTop + kButtonHeight + kPad;
constexpr int kHeight = kPageBottom + kGap + kButtonHeight + kContentBottomMargin;
constexpr int kOptionsWidth = 70;

constexpr TrackTab kTabs[] = {TrackTab::kBrowsers, TrackTab::kWindows, TrackTab::kApplications,
                              TrackTab::kCustomItems};
constexpr BrowserTab kBrowserTabs[] = {BrowserTab::kIe, BrowserTab::kNetscape, BrowserTab::kOpera,
                                       BrowserTab::kAol};
constexpr std::string_view kGroupFrames[kTrackGroupCount] = {"Frame3", "Frame6", "Frame8", "Frame9",
                                                             "Frame4"};
// The keep lists the three "Options" buttons edit, and the row of the box they stand beside.
struct KeepListButton {
  std::string_view name;
  std::string_view mode;
  int row;
};
constexpr KeepListButton kKeepListButtons[] = {
    {"cmdUrl", "url", 0}, {"cmdCookies", "cookies", 1}, {"cmdPlugins", "plugins", 4}};

std::string_view TextOf(std::string_view name) {
  return ui::TextOf(TrackSelectionWindow::Controls(), name);
}

// The first tab of a row starts a group, so that each row's buttons check apart from the other's.
HWND MakeTab(HWND parent, int id, std::string_view caption, Box box, HFONT font, bool first) {
  const DWORD group = first ? WS_GROUP : 0;
  const HWND button = MakeControl(WC_BUTTONW, parent, id, caption, box,
                                  WS_TABSTOP | BS_AUTORADIOBUTTON | BS_PUSHLIKE | group);
  UseFont(button, font);
  return button;
}

}  // namespace

TrackSelectionView::TrackSelectionView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight),
      loop_(loop),
      ctx_(ctx),
      model_(ctx),
      plugins_(ctx, ItemListKind::kPlugins, *this, track_id::kFirstPageControl),
      custom_(ctx, ItemListKind::kCustom, *this,
              track_id::kFirstPageControl + ItemListPage::kIdRange) {}

bool TrackSelectionView::Show(HWND owner) {
  if (!CreateSkinned(L"Quellorn.TrackSelection", TrackSelectionWindow::kTitle, owner)) return false;
  model_.Load();
  Build();
  ShowState();
  ShowTab();
  loop_.AddWindow(hwnd());
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(Control(IDOK));
  return true;
}

void TrackSelectionView::Close() {
  if (!open()) return;
  loop_.RemoveWindow(hwnd());
  Destroy();
}

RECT TrackSelectionView::PageRect(TrackTab tab) const {
  const int top = tab == TrackTab::kBrowsers ? kBrowserTabsTop + kTabHeight + kGap : kPageTop;
  return {kContentLeft + kPad, top + kPad, kPageRight - kPad, kPageBottom - kPad};
}

void TrackSelectionView::ShowMessage(const std::string& heading, const std::string& text) {
  message_ = std::make_unique<MessageView>(art(), loop_, heading, text);
  message_->Show(hwnd());
}

bool TrackSelectionView::Ask(const std::string& title, const std::string& text) {
  return MessageBoxW(hwnd(), Wide(text).c_str(), Wide(title).c_str(),
                     MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void TrackSelectionView::EditItem(CustomItemType type, const std::string& fileName) {
  EditCustomItem(type, fileName, FileItemEditor::kCaption);
}

void TrackSelectionView::AddItem() {
  NewCustomItemView chooser(art(), loop_, ctx_);
  if (const auto type = chooser.Run(hwnd()))
    EditCustomItem(*type, std::string(kNewCustomItem), FileItemEditor::kNewCaption);
}

void TrackSelectionView::EditCustomItem(CustomItemType type, const std::string& fileName,
                                        std::string_view caption) {
  bool saved = false;
  if (type == CustomItemType::kRegistry) {
    RegistryItemEditorView editor(art(), loop_, ctx_, fileName);
    saved = editor.Run(hwnd());
  } else {
    FileItemEditorView editor(art(), loop_, ctx_, fileName, caption);
    saved = editor.Run(hwnd());
  }
  if (saved) custom_.Reload();
}

void TrackSelectionView::Build() {
  SetTitle(TrackSelectionWindow::kTitle);
  const HFONT font = fonts().text.get();
  int left = kContentLeft;
  for (const TrackTab tab : kTabs) {
    const std::string_view caption = TrackSelectionWindow::TabCaption(tab);
    const int width = std::max(kButtonWidth, TextWidth(font, caption) + 2 * kPad);
    ShowWindow(MakeTab(hwnd(), track_id::kFirstTab + static_cast<int>(tab), caption,
                       {left, kContentTop, width, kTabHeight}, font, tab == kTabs[0]),
               SW_SHOW);
    left += width + 2;
  }
  std::vector<HWND>& browsers = pages_[static_cast<int>(TrackTab::kBrowsers)];
  left = kGroupLeft;
  for (const BrowserTab tab : kBrowserTabs) {
    browsers.push_back(MakeTab(hwnd(), track_id::kFirstBrowserTab + static_cast<int>(tab),
                               TrackSelectionWindow::TabCaption(tab),
                               {left, kBrowserTabsTop, kButtonWidth, kTabHeight}, font,
                               tab == kBrowserTabs[0]));
    left += kButtonWidth + 2;
  }
  for (const BrowserTab tab : kBrowserTabs)
    BuildGroup(static_cast<TrackGroup>(tab), browserPages_[static_cast<int>(tab)],
               kBrowserGroupTop);
  BuildGroup(TrackGroup::kWindows, pages_[static_cast<int>(TrackTab::kWindows)], kWindowsGroupTop);
  BuildKeepListButtons(browserPages_[static_cast<int>(BrowserTab::kIe)], kBrowserGroupTop);
  browserPages_[static_cast<int>(BrowserTab::kNetscape)].push_back(
      MakeButton(hwnd(), track_id::kNetscapeFolder, TextOf("cmdNcDir"),
                 {kGroupRight - 140, kNetscapeButtonTop, 140, kButtonHeight}, font));

  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  MakeButton(hwnd(), IDOK, TextOf("Command1"),
             {kContentLeft, buttonTop, kButtonWidth, kButtonHeight}, font, true);
  MakeButton(hwnd(), IDCANCEL, TextOf("Command2"),
             {kContentLeft + kButtonWidth + kGap, buttonTop, kButtonWidth, kButtonHeight}, font);
  MakeButton(hwnd(), track_id::kHelp, TextOf("cmdhelp"),
             {width() - kContentLeft - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, font);
  plugins_.Create(hwnd(), PageRect(TrackTab::kApplications), font);
  custom_.Create(hwnd(), PageRect(TrackTab::kCustomItems), font);
  SetDefaultButton(IDOK);
}

void TrackSelectionView::BuildGroup(TrackGroup group, std::vector<HWND>& page, int top) {
  const HFONT font = fonts().text.get();
  const int index = static_cast<int>(group);
  const std::string caption = group == TrackGroup::kNetscape
                                  ? model_.netscapeCaption()
                                  : std::string(TextOf(kGroupFrames[index]));
  page.push_back(MakeLabel(hwnd(), 0, caption,
                           {kGroupLeft + kGap, top - 7, TextWidth(font, caption) + 6, 14}, font));
  int row = top + 18;
  const int boxWidth = kGroupWidth - 2 * kPad - kOptionsWidth - kGap;
  for (const TrackBox& box : TrackSelectionWindow::Boxes()) {
    if (box.group != group) continue;
    page.push_back(MakeCheckBox(hwnd(), track_id::kFirstBox + static_cast<int>(box.track),
                                box.caption, {kGroupLeft + kPad, row, boxWidth, kCheckHeight},
                                font));
    row += kRow;
  }
  const int selectTop = top + kGroupHeight - 10 - kRow;
  const int half = (kGroupWidth - 2 * kPad) / 2;
  page.push_back(MakeCheckBox(hwnd(), track_id::kFirstSelectAll + index,
                              TrackSelectionWindow::kSelectAll,
                              {kGroupLeft + kPad, selectTop, half - kGap, kCheckHeight}, font));
  page.push_back(MakeCheckBox(hwnd(), track_id::kFirstSelectNone + index,
                              TrackSelectionWindow::kSelectNone,
                              {kGroupLeft + kPad + half, selectTop, half, kCheckHeight}, font));
}

void TrackSelectionView::BuildKeepListButtons(std::vector<HWND>& page, int top) {
  const int left = kGroupRight - kPad - kOptionsWidth;
  for (int i = 0; i < 3; ++i) {
    const KeepListButton& button = kKeepListButtons[i];
    page.push_back(MakeButton(hwnd(), track_id::kFirstKeepList + i, TextOf(button.name),
                              {left, top + 18 + button.row * kRow - 2, kOptionsWidth, 21},
                              fonts().text.get()));
  }
}

void TrackSelectionView::ShowTab() {
  const int shown = static_cast<int>(model_.tab());
  const int browser = static_cast<int>(model_.browserTab());
  CheckRadioButton(hwnd(), track_id::kFirstTab, track_id::kFirstTab + kTrackTabCount - 1,
                   track_id::kFirstTab + shown);
  CheckRadioButton(hwnd(), track_id::kFirstBrowserTab,
                   track_id::kFirstBrowserTab + kBrowserTabCount - 1,
                   track_id::kFirstBrowserTab + browser);
  for (int tab = 0; tab < kTrackTabCount; ++tab) {
    for (const HWND control : pages_[tab])
      ShowWindow(control, tab == shown ? SW_SHOW : SW_HIDE);
  }
  plugins_.Show(model_.tab() == TrackTab::kApplications);
  custom_.Show(model_.tab() == TrackTab::kCustomItems);
  const bool browsers = model_.tab() == TrackTab::kBrowsers;
  for (int tab = 0; tab < kBrowserTabCount; ++tab) {
    for (const HWND control : browserPages_[tab])
      ShowWindow(control, browsers && tab == browser ? SW_SHOW : SW_HIDE);
  }
  // The buttons below the pages repaint too: erasing the frames' background covers them.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TrackSelectionView::ShowState() {
  showing_ = true;
  const auto check = [&](int id, bool checked) {
    CheckDlgButton(hwnd(), id, checked ? BST_CHECKED : BST_UNCHECKED);
  };
  for (const TrackBox& box : TrackSelectionWindow::Boxes())
    check(track_id::kFirstBox + static_cast<int>(box.track), model_.checked(box.track));
  for (int group = 0; group < kTrackGroupCount; ++group) {
    check(track_id::kFirstSelectAll + group, model_.selectAll(static_cast<TrackGroup>(group)));
    check(track_id::kFirstSelectNone + group, model_.selectNone(static_cast<TrackGroup>(group)));
  }
  showing_ = false;
}

void TrackSelectionView::OnCommand(int id, int code) {
  if (showing_) return;
  if (plugins_.OnCommand(id, code) || custom_.OnCommand(id, code)) return;
  if (id >= track_id::kFirstTab && id < track_id::kFirstTab + kTrackTabCount) {
    model_.OnTab(static_cast<TrackTab>(id - track_id::kFirstTab));
    return ShowTab();
  }
  if (id >= track_id::kFirstBrowserTab && id < track_id::kFirstBrowserTab + kBrowserTabCount) {
    model_.OnTab(static_cast<BrowserTab>(id - track_id::kFirstBrowserTab));
    return ShowTab();
  }
  if (code != BN_CLICKED) return;
  const bool checked = IsDlgButtonChecked(hwnd(), id) == BST_CHECKED;
  if (id >= track_id::kFirstBox && id < track_id::kFirstBox + static_cast<int>(kTrackCount)) {
    model_.OnBoxClick(static_cast<Track>(id - track_id::kFirstBox), checked);
    return ShowState();
  }
  if (id >= track_id::kFirstSelectAll && id < track_id::kFirstSelectAll + kTrackGroupCount) {
    model_.OnSelectAll(static_cast<TrackGroup>(id - track_id::kFirstSelectAll), checked);
    return ShowState();
  }
  if (id >= track_id::kFirstSelectNone && id < track_id::kFirstSelectNone + kTrackGroupCount) {
    model_.OnSelectNone(static_cast<TrackGroup>(id - track_id::kFirstSelectNone), checked);
    return ShowState();
  }
  OnBrowserPageCommand(id);
}

void TrackSelectionView::OnBrowserPageCommand(int id) {
  switch (id) {
    case IDOK:
      model_.OnOk();
      return Close();
    case IDCANCEL:
      model_.OnCancel();
      return Close();
    case track_id::kHelp:
      return model_.OnHelp();
    case track_id::kNetscapeFolder: {
      NetscapeFolderView folder(art(), loop_, ctx_);
      return folder.Run(hwnd());
    }
    default:
      if (id >= track_id::kFirstKeepList && id < track_id::kFirstKeepList + 3) {
        KeepListView keepList(art(), loop_, ctx_,
                              kKeepListButtons[id - track_id::kFirstKeepList].mode);
        keepList.Run(hwnd());
      }
  }
}

LRESULT TrackSelectionView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
    if (plugins_.OnNotify(notice) || custom_.OnNotify(notice)) return 0;
  }
  return SkinnedWindow::OnMessage(message, wParam, lParam);
}

void TrackSelectionView::PaintContent(HDC dc) {
  DrawEtched(dc, {kContentLeft, kPageTop, kPageRight, kPageBottom}, BF_RECT);
  const TrackTab tab = model_.tab();
  if (tab != TrackTab::kBrowsers && tab != TrackTab::kWindows) return;
  const int top = tab == TrackTab::kWindows ? kWindowsGroupTop : kBrowserGroupTop;
  DrawEtched(dc, {kGroupLeft, top, kGroupRight, top + kGroupHeight}, BF_RECT);
  const int rule = top + kGroupHeight - 10 - kRow - kGap / 2;
  DrawEtched(dc, {kGroupLeft + kPad, rule, kGroupRight - kPad, rule + 2}, BF_TOP);
}

}  // namespace quellorn::ui::win32
