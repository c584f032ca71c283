#include "ui/win32/about_view.h"

#include "core/context.h"
#include "ui/program_documents.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/picture.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 312;
constexpr int kLogoWidth = 168;
constexpr int kLogoHeight = 60;
constexpr int kLineHeight = 16;
constexpr int kHelp = 110;
// Link labels: their id is the link's number above this.
constexpr int kFirstLink = 120;
constexpr unsigned kLinkColour = 0x0033AA;

std::string_view TextOf(std::string_view name) {
  return ui::TextOf(AboutWindow::Controls(), name);
}

int LinkId(AboutLink link) {
  return kFirstLink + static_cast<int>(link);
}

}  // namespace

AboutView::AboutView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight),
      loop_(loop),
      model_(ctx),
      logo_(LoadPicture(LogoPath(ctx))) {}

bool AboutView::Show(HWND owner) {
  if (!CreateSkinned(L"Quellorn.About", AboutWindow::kTitle, owner)) return false;
  Build();
  loop_.AddWindow(hwnd());
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(GetDlgItem(hwnd(), IDOK));
  return true;
}

void AboutView::Build() {
  SetTitle(AboutWindow::kTitle);
  const UiFonts& font = fonts();
  const int textLeft = kContentLeft + kLogoWidth + 2 * kGap;
  const int textWidth = width() - kContentLeft - textLeft;
  MakeLabel(hwnd(), 0, TextOf("Label11"), {textLeft, kContentTop, textWidth, 22},
            font.heading.get());
  MakeLabel(hwnd(), 0, TextOf("Label12"), {textLeft, kContentTop + 24, textWidth, 20},
            font.maker.get());
  MakeLabel(hwnd(), 0, TextOf("Label2"), {textLeft, kContentTop + 46, textWidth, kLineHeight},
            font.text.get());

  int top = kContentTop + kLogoHeight + 2 * kGap;
  const int linkWidth = width() - 2 * kContentLeft;
  for (const AboutLink link :
       {AboutLink::kLatestVersion, AboutLink::kDownloadPlugins, AboutLink::kOnlineSupport}) {
    MakeLink(link, {kContentLeft, top});
    top += kLineHeight + 4;
  }
  top += kGap;
  // Frame1 is painted (PaintContent): a group box control would hide the grey behind it.
  supportFrame_ = {kContentLeft, top, kContentLeft + linkWidth, top + 36};
  MakeLink(AboutLink::kSupportMail, {kContentLeft + 12, top + 10});

  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  const int right = width() - kContentLeft;
  MakeButton(hwnd(), kHelp, TextOf("Command1"),
             {right - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight}, font.text.get());
  MakeButton(hwnd(), IDOK, TextOf("cmdExit"),
             {right - 2 * kButtonWidth - kGap, buttonTop, kButtonWidth, kButtonHeight},
             font.text.get(), true);
  SetDefaultButton(IDOK);
}

// A link's label is as wide as its text, so that only the text answers the mouse.
void AboutView::MakeLink(AboutLink link, POINT at) {
  const HFONT font = fonts().link.get();
  const std::string_view text = AboutWindow::LinkText(link);
  MakeLabel(hwnd(), LinkId(link), text, {at.x, at.y, TextWidth(font, text) + 2, kLineHeight}, font,
            SS_LEFT | SS_NOTIFY);
}

void AboutView::Close() {
  model_.OnOk();
  loop_.RemoveWindow(hwnd());
  Destroy();
}

void AboutView::OnCommand(int id, int code) {
  if (id == IDOK || id == IDCANCEL) return Close();
  if (id == kHelp) return model_.OnHelp();
  if (id >= kFirstLink && code == STN_CLICKED) {
    model_.OnLink(static_cast<AboutLink>(id - kFirstLink));
  }
}

void AboutView::PaintContent(HDC dc) {
  DrawPicture(dc, logo_.get(), kContentLeft, kContentTop);
  DrawEtched(dc, supportFrame_, BF_RECT);
}

bool AboutView::IsLink(HWND control) const {
  const int id = GetDlgCtrlID(control);
  return id >= kFirstLink && id <= LinkId(AboutLink::kSupportMail);
}

COLORREF AboutView::LabelColour(HWND label) {
  return IsLink(label) ? Colour(kLinkColour) : GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT AboutView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR && IsLink(reinterpret_cast<HWND>(wParam))) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return SkinnedWindow::OnMessage(message, wParam, lParam);
}

}  // namespace quellorn::ui::win32
