#include "ui/win32/item_list_page.h"

#include <commdlg.h>

#include <span>
#include <string>

#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 24;
constexpr int kGap = 6;
constexpr int kRowHeight = 20;
constexpr int kTwipsPerPixel = 15;

struct ButtonText {
  ItemListPage::Control id;
  std::string_view caption;
};

constexpr ButtonText kPluginButtons[] = {
    {ItemListPage::kPluginMaker, "Plugin Maker"},
    {ItemListPage::kDownload, "Download Plug-in"},
    {ItemListPage::kImport, "Import Plug-in"},
    {ItemListPage::kInfo, "Plug-in Info"},
    {ItemListPage::kDelete, "Delete"},
    {ItemListPage::kRefresh, "Refresh"},
};
constexpr ButtonText kCustomButtons[] = {
    {ItemListPage::kInfo, "Info"},
    {ItemListPage::kDelete, "Delete"},
    {ItemListPage::kEdit, "Edit"},
    {ItemListPage::kAdd, "Add"},
};

bool IsChecked(HWND box) {
  return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

void ItemListPage::Create(HWND parent, RECT area, HFONT font) {
  parent_ = parent;
  const int left = area.left;
  const int top = area.top;
  const int listWidth = area.right - area.left - kButtonWidth - kGap;
  const int listBottom = area.bottom - 2 * kRowHeight - kGap;
  const auto id = [this](Control which) { return firstId_ + which; };
  controls_[kLabel] =
      MakeLabel(parent, id(kLabel), list_.heading(), {left, top, listWidth, 16}, font);
  controls_[kList] = MakeListView(
      parent, id(kList), {left, top + kRowHeight, listWidth, listBottom - top - kRowHeight}, font,
      LVS_SINGLESEL);
  ListView_SetExtendedListViewStyleEx(controls_[kList], LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
  std::wstring column = Wide(list_.column());
  LVCOLUMNW lvColumn{};
  lvColumn.mask = LVCF_TEXT | LVCF_WIDTH;
  lvColumn.pszText = column.data();
  lvColumn.cx = Px(list_.columnWidth() / kTwipsPerPixel);
  ListView_InsertColumn(controls_[kList], 0, &lvColumn);
  controls_[kSelectAll] = MakeCheckBox(parent, id(kSelectAll), "Select all of the above",
                                       {left, listBottom + kGap, listWidth, kRowHeight}, font);
  controls_[kSelectNone] =
      MakeCheckBox(parent, id(kSelectNone), "Select none of the above",
                   {left, listBottom + kGap + kRowHeight, listWidth, kRowHeight}, font);
  const auto& buttons = list_.kind() == ItemListKind::kPlugins
                            ? std::span<const ButtonText>(kPluginButtons)
                            : std::span<const ButtonText>(kCustomButtons);
  int y = top + kRowHeight;
  for (const ButtonText& button : buttons) {
    controls_[button.id] =
        MakeButton(parent, id(button.id), button.caption,
                   {area.right - kButtonWidth, y, kButtonWidth, kButtonHeight}, font);
    y += kButtonHeight + kGap;
  }
  if (controls_[kEdit]) EnableWindow(controls_[kEdit], list_.editEnabled());
  if (controls_[kAdd]) EnableWindow(controls_[kAdd], list_.addEnabled());
  Reload();
}

void ItemListPage::Show(bool visible) {
  for (HWND control : controls_)
    if (control) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void ItemListPage::Reload() {
  list_.Load();
  Fill();
}

void ItemListPage::Fill() {
  const HWND view = controls_[kList];
  filling_ = true;
  ListView_DeleteAllItems(view);
  int row = 0;
  for (const ListedItem& item : list_.items()) {
    std::wstring text = Wide(item.text);
    LVITEMW lvItem{};
    lvItem.mask = LVIF_TEXT;
    lvItem.iItem = row++;
    lvItem.pszText = text.data();
    ListView_InsertItem(view, &lvItem);
  }
  filling_ = false;
  ShowChecks();
}

void ItemListPage::ShowChecks() {
  const HWND view = controls_[kList];
  filling_ = true;
  int row = 0;
  for (const ListedItem& item : list_.items())
    ListView_SetCheckState(view, row++, item.checked);
  if (list_.selected() >= 0)
    ListView_SetItemState(view, list_.selected(), LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
  filling_ = false;
  ShowBoxes();
}

void ItemListPage::ShowBoxes() {
  SendMessageW(controls_[kSelectAll], BM_SETCHECK, list_.allBox() ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(controls_[kSelectNone], BM_SETCHECK, list_.noneBox() ? BST_CHECKED : BST_UNCHECKED,
               0);
}

bool ItemListPage::OnCommand(int id, int code) {
  const int which = id - firstId_;
  if (which < 0 || which >= kControlCount || !controls_[which] || which == kList) return false;
  if (code != BN_CLICKED) return true;
  switch (which) {
    case kSelectAll:
      list_.OnSelectAll(IsChecked(controls_[kSelectAll]));
      ShowChecks();
      break;
    case kSelectNone:
      list_.OnSelectNone(IsChecked(controls_[kSelectNone]));
      ShowChecks();
      break;
    default:
      Act(static_cast<Control>(which));
  }
  return true;
}

void ItemListPage::Act(Control button) {
  switch (button) {
    case kPluginMaker:
      list_.OnPluginMaker();
      return;
    case kDownload:
      list_.OnDownload();
      return;
    case kImport:
      Import();
      break;
    case kInfo:
      list_.OnInfo();
      return;
    case kDelete:
      list_.OnDelete();
      break;
    case kRefresh:
      list_.OnRefresh();
      break;
    case kEdit:
      list_.OnEdit();
      return;
    case kAdd:
      list_.OnAdd();
      return;
    default:
      return;
  }
  Fill();
}

void ItemListPage::Import() {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = parent_;
  dialog.lpstrFilter = L"Plugin Files (*.QK)\0*.QK\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = L"C:\\";
  dialog.lpstrTitle = L"Open Plugin File";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&dialog)) return;
  list_.OnImport(platform::win32::ToUtf8(path));
}

bool ItemListPage::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != controls_[kList] || !controls_[kList]) return false;
  switch (header.code) {
    case LVN_ITEMCHANGED:
      OnItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
      break;
    case LVN_COLUMNCLICK:
      list_.OnHeaderClick();
      Fill();
      break;
    case NM_DBLCLK:
      list_.OnInfo();
      break;
    default:
      break;
  }
  return true;
}

void ItemListPage::OnItemChanged(const NMLISTVIEW& change) {
  if (filling_ || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return;
  const UINT oldCheck = change.uOldState & LVIS_STATEIMAGEMASK;
  const UINT newCheck = change.uNewState & LVIS_STATEIMAGEMASK;
  if (oldCheck != 0 && newCheck != oldCheck) {
    list_.OnItemCheck(change.iItem, newCheck == INDEXTOSTATEIMAGEMASK(2));
    ShowBoxes();
  }
  if ((change.uNewState & LVIS_SELECTED) != 0) {
    list_.OnSelect(change.iItem);
  } else if ((change.uOldState & LVIS_SELECTED) != 0) {
    list_.OnSelect(ListView_GetNextItem(controls_[kList], -1, LVNI_SELECTED));
  }
}

}  // namespace quellorn::ui::win32
