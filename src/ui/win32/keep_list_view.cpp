#include "ui/win32/keep_list_view.h"

#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 380;
constexpr int kCurrent = 201;
constexpr int kKeep = 202;
constexpr int kAdd = 301;
constexpr int kDelete = 302;
constexpr int kRefresh = 303;
constexpr int kPad = 12;
constexpr int kFrameTop = kContentTop + 8;
constexpr int kHeadingTop = kFrameTop + 18;
constexpr int kListTop = kHeadingTop + 18;
constexpr int kListHeight = 200;
constexpr int kMiddleWidth = 80;

// LB_ERR (-1) becomes a row past every list's end.
std::size_t Selected(HWND list) {
  return static_cast<std::size_t>(ListBoxSelection(list));
}

}  // namespace

KeepListView::KeepListView(const SkinArt& art, MessageLoop& loop, Context& ctx,
                           std::string_view mode)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight), loop_(loop), model_(ctx, mode) {}

void KeepListView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.KeepList", "Options", owner)) return;
  model_.Load();
  Build();
  ShowLists();
  RunModal(loop_, owner, Control(IDOK), [&] { return model_.closed(); });
}

void KeepListView::Build() {
  SetTitle(model_.title());
  const HFONT font = fonts().text.get();
  const int left = kContentLeft + kPad;
  const int listWidth = (kWidth - 2 * kContentLeft - 2 * kPad - kMiddleWidth - 2 * kGap) / 2;
  const int keepLeft = left + listWidth + 2 * kGap + kMiddleWidth;
  frame_ = {kContentLeft, kFrameTop, kWidth - kContentLeft, kListTop + kListHeight + kPad};
  MakeLabel(hwnd(), 0, model_.frameCaption(),
            {kContentLeft + kGap, kFrameTop - 7, TextWidth(font, model_.frameCaption()) + 6, 14},
            font);
  MakeLabel(hwnd(), 0, model_.currentHeading(), {left, kHeadingTop, listWidth, 16}, font);
  MakeLabel(hwnd(), 0, model_.keepHeading(), {keepLeft, kHeadingTop, listWidth, 16}, font);
  MakeListBox(hwnd(), kCurrent, {left, kListTop, listWidth, kListHeight}, font, WS_HSCROLL);
  MakeListBox(hwnd(), kKeep, {keepLeft, kListTop, listWidth, kListHeight}, font, WS_HSCROLL);
  const int middle = left + listWidth + kGap;
  MakeButton(hwnd(), kAdd, "Add", {middle, kListTop + 40, kMiddleWidth, kButtonHeight}, font);
  MakeButton(hwnd(), kDelete, "Delete", {middle, kListTop + 80, kMiddleWidth, kButtonHeight}, font);
  MakeButton(hwnd(), kRefresh, "Refresh", {middle, kListTop + 120, kMiddleWidth, kButtonHeight},
             font);
  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  MakeButton(hwnd(), IDOK, "OK", {kContentLeft, buttonTop, kButtonWidth, kButtonHeight}, font,
             true);
  MakeButton(hwnd(), IDCANCEL, "Cancel",
             {kContentLeft + kButtonWidth + kGap, buttonTop, kButtonWidth, kButtonHeight}, font);
  SetDefaultButton(IDOK);
}

void KeepListView::ShowLists() {
  FillListBox(Control(kCurrent), model_.currentItems());
  FillListBox(Control(kKeep), model_.keepItems());
  ShowButtons();
}

void KeepListView::ShowButtons() {
  EnableWindow(Control(kAdd), model_.addEnabled());
  EnableWindow(Control(kDelete), model_.deleteEnabled());
}

void KeepListView::OnCommand(int id, int code) {
  switch (id) {
    case kCurrent:
      if (code == LBN_SELCHANGE) model_.OnCurrentClick(Selected(Control(id)));
      if (code == LBN_DBLCLK) {
        model_.OnCurrentDoubleClick(Selected(Control(id)));
        return ShowLists();
      }
      return ShowButtons();
    case kKeep:
      if (code == LBN_SELCHANGE) model_.OnKeepClick(Selected(Control(id)));
      if (code == LBN_DBLCLK) {
        model_.OnKeepDoubleClick(Selected(Control(id)));
        return ShowLists();
      }
      return ShowButtons();
    case kAdd:
      model_.OnAdd();
      return ShowLists();
    case kDelete:
      model_.OnDelete();
      return ShowLists();
    case kRefresh:
      model_.OnRefresh();
      return ShowLists();
    case IDOK:
      return model_.OnOk();
    case IDCANCEL:
      return model_.OnCancel();
    default:
      return;
  }
}

void KeepListView::PaintContent(HDC dc) {
  DrawEtched(dc, frame_, BF_RECT);
}

}  // namespace quellorn::ui::win32
