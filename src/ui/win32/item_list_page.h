#pragma once

#include <array>

#include "ui/item_list.h"
#include "ui/win32/win32_ui.h"

namespace quellorn {

struct Context;

namespace ui::win32 {

// One list of item files with its label, select all/none boxes and buttons, as a page of a
// tabbed window. The window creates it inside a tab's area and forwards its WM_COMMAND and
// WM_NOTIFY messages; the controls' ids start at `firstId` and take the next 20 numbers.
class ItemListPage {
 public:
  // Offsets of the controls' ids from `firstId`.
  enum Control : int {
    kLabel = 0,
    kList,
    kSelectAll,
    kSelectNone,
    kPluginMaker,
    kDownload,
    kImport,
    kInfo,
    kDelete,
    kRefresh,
    kEdit,
    kAdd,
    kControlCount,
  };
  static constexpr int kIdRange = 20;

  ItemListPage(Context& ctx, ItemListKind kind, ItemListHost& host, int firstId)
      : list_(ctx, kind, host), firstId_(firstId) {}

  // Makes the controls inside `area` of the parent's client area and lists the items.
  void Create(HWND parent, RECT area, HFONT font);
  void Show(bool visible);
  // Lists the items again (after an editor saved one).
  void Reload();
  // True when the message was for one of the page's controls.
  bool OnCommand(int id, int code);
  bool OnNotify(const NMHDR& header);

  const ItemList& list() const { return list_; }
  HWND control(Control which) const { return controls_[which]; }

 private:
  void Fill();
  void ShowChecks();
  void ShowBoxes();
  void OnItemChanged(const NMLISTVIEW& change);
  void Import();
  void Act(Control button);

  ItemList list_;
  int firstId_;
  HWND parent_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  bool filling_ = false;  // item changes made by the page itself, not the user
};

}  // namespace ui::win32
}  // namespace quellorn
