#include "ui/win32/message_view.h"

#include "ui/win32/controls.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 460;
constexpr int kTextWidth = kWidth - 2 * kContentLeft;
constexpr int kOk = IDOK;

int HeightFor(const SkinArt& art, const std::string& text) {
  return kContentTop + TextHeight(art.fonts().text.get(), text, kTextWidth) + 2 * kGap +
         kButtonHeight + kContentBottomMargin;
}

}  // namespace

MessageView::MessageView(const SkinArt& art, MessageLoop& loop, std::string heading,
                         std::string text)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, HeightFor(art, text)),
      loop_(loop),
      model_(std::move(heading), std::move(text)) {}

bool MessageView::Show(HWND owner, std::optional<POINT> at) {
  if (!CreateSkinned(L"Quellorn.Message", model_.heading(), owner)) return false;
  if (at) {
    SetWindowPos(hwnd(), nullptr, at->x, at->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    KeepInWorkArea(hwnd());
  }
  SetTitle(model_.heading());
  const int textHeight = TextHeight(fonts().text.get(), model_.text(), kTextWidth);
  MakeLabel(hwnd(), 0, model_.text(), {kContentLeft, kContentTop, kTextWidth, textHeight},
            fonts().text.get(), SS_CENTER);
  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  MakeButton(hwnd(), kOk, MessageWindow::kOkCaption,
             {(width() - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight},
             fonts().text.get(), true);
  SetDefaultButton(kOk);
  loop_.AddWindow(hwnd());
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(GetDlgItem(hwnd(), kOk));
  return true;
}

void MessageView::Close() {
  model_.OnOk();
  loop_.RemoveWindow(hwnd());
  Destroy();
}

void MessageView::OnCommand(int id, int) {
  if (id == kOk || id == IDCANCEL) Close();
}

}  // namespace quellorn::ui::win32
