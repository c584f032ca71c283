#include "ui/win32/options_view.h"

#include <algorithm>

#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 470;
constexpr int kPageWidth = kWidth - 2 * kContentLeft;
constexpr int kTabHeight = 24;
constexpr int kPageTop = kContentTop + kTabHeight + kGap;
constexpr OptionsTab kTabs[] = {OptionsTab::kGeneral, OptionsTab::kSchedule, OptionsTab::kSecurity,
                                OptionsTab::kHomepage};

std::string_view TextOf(std::string_view name) {
  return ui::TextOf(OptionsWindow::Controls(), name);
}

// As tall as the tallest page needs.
int HeightFor(const SkinArt& art) {
  int bottom = 0;
  for (const OptionsTab tab : kTabs) {
    bottom = std::max(bottom, BuildOptionsPage(nullptr, tab, art.fonts().text.get(), kContentLeft,
                                               kPageTop, kPageWidth)
                                  .bottom);
  }
  return bottom + 2 * kGap + kButtonHeight + kContentBottomMargin;
}

void Fill(HWND combo, std::span<const std::string_view> items) {
  for (const std::string_view item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

}  // namespace

OptionsView::OptionsView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, HeightFor(art)), loop_(loop), model_(ctx) {}

void OptionsView::Build() {
  SetTitle(OptionsWindow::kTitle);
  const HFONT font = fonts().text.get();
  int left = kContentLeft;
  for (const OptionsTab tab : kTabs) {
    const int id = options_id::kFirstTab + static_cast<int>(tab);
    const HWND button = MakeControl(WC_BUTTONW, hwnd(), id, OptionsWindow::TabCaption(tab),
                                    {left, kContentTop, kButtonWidth, kTabHeight},
                                    WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_PUSHLIKE);
    UseFont(button, font);
    left += kButtonWidth + 2;
  }
  LONG frameBottom = 0;
  for (const OptionsTab tab : kTabs) {
    OptionsPage& page = pages_[static_cast<int>(tab)];
    page = BuildOptionsPage(hwnd(), tab, font, kContentLeft, kPageTop, kPageWidth);
    frameBottom = std::max(frameBottom, page.frame.bottom);
  }
  // Every tab's frame as tall as the tallest, so that switching tabs moves no edge.
  for (OptionsPage& page : pages_)
    page.frame.bottom = frameBottom;
  Fill(Control(options_id::kTime), OptionsWindow::TimeItems());
  Fill(Control(options_id::kLog), OptionsWindow::LogItems());
  Fill(Control(options_id::kOverwrite), OptionsWindow::OverwriteItems());

  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  MakeButton(hwnd(), IDOK, TextOf("cmdOK"), {kContentLeft, buttonTop, kButtonWidth, kButtonHeight},
             font, true);
  MakeButton(hwnd(), IDCANCEL, TextOf("Command1"),
             {kContentLeft + kButtonWidth + kGap, buttonTop, kButtonWidth, kButtonHeight}, font);
  MakeButton(hwnd(), options_id::kHelp, TextOf("cmdhelp"),
             {width() - kContentLeft - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, font);
  SetDefaultButton(IDOK);
}

void OptionsView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.Options", OptionsWindow::kTitle, owner)) return;
  Build();
  model_.Load();
  ShowState();
  ShowTexts();
  ShowTab();
  RunModal(loop_, owner, Control(IDOK), [&] { return model_.closed(); });
}

void OptionsView::ShowTab() {
  const int shown = static_cast<int>(model_.tab());
  CheckRadioButton(hwnd(), options_id::kFirstTab, options_id::kFirstTab + kOptionsTabCount - 1,
                   options_id::kFirstTab + shown);
  for (int tab = 0; tab < kOptionsTabCount; ++tab) {
    for (const HWND control : pages_[tab].controls)
      ShowWindow(control, tab == shown ? SW_SHOW : SW_HIDE);
  }
  // The buttons below the pages repaint too: erasing the frame's background covers them.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void OptionsView::ShowState() {
  showing_ = true;
  for (int box = 0; box < kOptionsBoxCount; ++box) {
    CheckDlgButton(hwnd(), options_id::kFirstBox + box,
                   model_.checked(static_cast<OptionsBox>(box)) ? BST_CHECKED : BST_UNCHECKED);
  }
  SendMessageW(Control(options_id::kTime), CB_SETCURSEL, model_.timeIndex(), 0);
  EnableWindow(Control(options_id::kTime), model_.timeEnabled());
  SendMessageW(Control(options_id::kLog), CB_SETCURSEL, model_.logIndex(), 0);
  showing_ = false;
}

void OptionsView::ShowTexts() {
  showing_ = true;
  SetText(Control(options_id::kOverwrite), model_.overwriteText());
  SetText(Control(options_id::kHomepage), model_.homepage());
  SetText(Control(options_id::kWindowTitle), model_.windowTitle());
  showing_ = false;
}

void OptionsView::OnCommand(int id, int code) {
  if (showing_) return;
  if (id >= options_id::kFirstTab && id < options_id::kFirstTab + kOptionsTabCount) {
    model_.OnTab(static_cast<OptionsTab>(id - options_id::kFirstTab));
    return ShowTab();
  }
  if (id >= options_id::kFirstBox && id < options_id::kFirstBox + kOptionsBoxCount) {
    if (code != BN_CLICKED) return;
    model_.OnBoxClick(static_cast<OptionsBox>(id - options_id::kFirstBox),
                      IsDlgButtonChecked(hwnd(), id) == BST_CHECKED);
    return ShowState();
  }
  switch (id) {
    case IDOK:
      return model_.OnOk();
    case IDCANCEL:
      return model_.OnCancel();
    case options_id::kHelp:
      return model_.OnHelp();
    case options_id::kUseBlank:
      model_.OnUseBlank();
      return ShowTexts();
    case options_id::kApply:
      return model_.OnApply();
    default:
      return OnListCommand(id, code);
  }
}

void OptionsView::OnListCommand(int id, int code) {
  const HWND control = Control(id);
  const auto selected = [control] {
    return static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
  };
  if (code == CBN_SELCHANGE) {
    if (id == options_id::kTime) return model_.OnTimeClick(selected());
    if (id == options_id::kLog) return model_.OnLogClick(selected());
    if (id == options_id::kOverwrite)
      return model_.OnOverwriteChange(ComboBoxText(control, selected()));
  }
  if (id == options_id::kOverwrite && code == CBN_EDITCHANGE)
    return model_.OnOverwriteChange(ControlText(control));
  if (id == options_id::kHomepage && code == EN_CHANGE)
    return model_.OnHomepageChange(ControlText(control));
  if (id == options_id::kWindowTitle && code == EN_CHANGE)
    return model_.OnWindowTitleChange(ControlText(control));
}

void OptionsView::PaintContent(HDC dc) {
  DrawEtched(dc, pages_[static_cast<int>(model_.tab())].frame, BF_RECT);
}

}  // namespace quellorn::ui::win32
