#include "ui/win32/erase_now_view.h"

#include "ui/win32/controls.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 420;
constexpr int kTextWidth = kWidth - 2 * kContentLeft;
constexpr int kStart = 101;
constexpr int kTest = 102;
constexpr int kHelp = 104;
constexpr int kWarning = 105;
constexpr int kCheckHeight = 18;

std::string_view TextOf(std::string_view name) {
  return ui::TextOf(EraseNowWindow::Controls(), name);
}

int HeightFor(const SkinArt& art) {
  const HFONT font = art.fonts().text.get();
  return kContentTop + TextHeight(font, TextOf("Label2"), kTextWidth) + kGap +
         TextHeight(font, TextOf("Label1"), kTextWidth) + 2 * kGap + kCheckHeight + 2 * kGap +
         kButtonHeight + kContentBottomMargin;
}

}  // namespace

EraseNowView::EraseNowView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, HeightFor(art)), loop_(loop), model_(ctx) {}

void EraseNowView::Build() {
  SetTitle(EraseNowWindow::kTitle);
  const HFONT font = fonts().text.get();
  int top = kContentTop;
  for (const char* name : {"Label2", "Label1"}) {
    const int textHeight = TextHeight(font, TextOf(name), kTextWidth);
    MakeLabel(hwnd(), 0, TextOf(name), {kContentLeft, top, kTextWidth, textHeight}, font);
    top += textHeight + kGap;
  }
  top += kGap;
  MakeCheckBox(hwnd(), kWarning, TextOf("ChkWarning"),
               {kContentLeft, top, kTextWidth, kCheckHeight}, font);
  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  int left = kContentLeft;
  for (const auto& [id, name] : {std::pair{kStart, "cmdStart"}, std::pair{kTest, "cmdTest"},
                                 std::pair{int{IDCANCEL}, "cmdCancel"}}) {
    MakeButton(hwnd(), id, TextOf(name), {left, buttonTop, kButtonWidth, kButtonHeight}, font,
               id == IDCANCEL);
    left += kButtonWidth + kGap;
  }
  MakeButton(hwnd(), kHelp, TextOf("CmdHelp"),
             {width() - kContentLeft - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, font);
  // Enter, or a stray Space, must never erase: the safe answer is the default.
  SetDefaultButton(IDCANCEL);
}

EraseMode EraseNowView::Ask(HWND owner) {
  if (!CreateSkinned(L"Quellorn.EraseNow", EraseNowWindow::kCaption, owner))
    return EraseMode::kNone;
  Build();
  RunModal(loop_, owner, GetDlgItem(hwnd(), IDCANCEL), [&] { return model_.closed(); });
  return model_.answer();
}

void EraseNowView::OnCommand(int id, int code) {
  switch (id) {
    case kStart:
      return model_.OnStart();
    case kTest:
      return model_.OnTest();
    case IDCANCEL:
      return model_.OnCancel();
    case kHelp:
      return model_.OnHelp();
    case kWarning:
      if (code == BN_CLICKED) {
        model_.OnWarningClick(IsDlgButtonChecked(hwnd(), kWarning) == BST_CHECKED);
      }
      return;
  }
}

void EraseNowView::OnTitleClose() {
  model_.OnCancel();
}

}  // namespace quellorn::ui::win32
