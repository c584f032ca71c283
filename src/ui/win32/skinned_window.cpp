#include "ui/win32/skinned_window.h"

#include <windowsx.h>

#include "ui/win32/dpi.h"
#include "ui/win32/owners.h"

namespace quellorn::ui::win32 {

namespace {

// The line along the window's outline.
constexpr unsigned kOutline = 0x16264A;
constexpr unsigned kTitleText = 0xFFFFFF;

// The frame's images in drawing order: the stretched middle first, the ends over it.
constexpr SkinPart kDrawOrder[] = {
    SkinPart::kTitleMain,        SkinPart::kTitleLeft,         SkinPart::kTitleRight,
    SkinPart::kWindowLeft,       SkinPart::kWindowRight,       SkinPart::kWindowBottom,
    SkinPart::kWindowBottomLeft, SkinPart::kWindowBottomRight, SkinPart::kTitleClose,
    SkinPart::kTitleHelp,        SkinPart::kTitleMinimize,
};

// A piece's place in pixels.
RECT ToRect(const SkinRect& rect) {
  return Px(RECT{rect.left, rect.top, rect.left + rect.width, rect.top + rect.height});
}

void DrawImage(HDC dc, HDC source, HBITMAP image, const SkinRect& piece) {
  if (image == nullptr) return;
  BITMAP info{};
  GetObjectW(image, sizeof info, &info);
  const Selection selected(source, image);
  const RECT at = ToRect(piece);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, source, 0, 0,
             info.bmWidth, info.bmHeight, SRCCOPY);
}

}  // namespace

SkinnedWindow::SkinnedWindow(const SkinArt& art, SkinStyle style, int width, int height)
    : art_(art), layout_(style, width, height) {}

bool SkinnedWindow::CreateSkinned(const wchar_t* className, std::string_view caption, HWND owner,
                                  DWORD exStyle) {
  WindowSpec spec;
  spec.className = className;
  spec.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  spec.exStyle = exStyle | WS_EX_CONTROLPARENT;
  spec.title = Wide(caption);
  spec.width = width();
  spec.height = height();
  spec.owner = owner;
  spec.icon = art_.programIcon();
  spec.smallIcon = art_.programIconSmall();
  if (!Create(spec)) return false;
  if (layout_.rounded()) {
    // The window owns the region from here on.
    const int corner = Px(kCornerEllipse);
    SetWindowRgn(hwnd(), CreateRoundRectRgn(0, 0, Px(width()), Px(height()), corner, corner), TRUE);
  }
  return true;
}

void SkinnedWindow::RunModal(MessageLoop& loop, HWND owner, HWND focus,
                             const std::function<bool()>& done) {
  loop.AddWindow(hwnd());
  EnableWindow(owner, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(focus);
  loop.RunUntil([&] { return done() || !open(); });
  EnableWindow(owner, TRUE);
  loop.RemoveWindow(hwnd());
  Destroy();
}

void SkinnedWindow::SetTitle(std::string_view title) {
  title_ = Wide(title);
  if (!open() || !layout_[SkinPart::kTitle]) return;
  const RECT area = ToRect(*layout_[SkinPart::kTitle]);
  InvalidateRect(hwnd(), &area, FALSE);
}

LRESULT SkinnedWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, art_.background());
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Press(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
      Release({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (!drag_) return OnMessage(message, wParam, lParam);
      EndDrag(message);
      return 0;
    case WM_MOUSEMOVE:
      if (!drag_) return OnMessage(message, wParam, lParam);
      DragTo({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam);
      return 0;

    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return defaultButton_ != 0 ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
    default:
      return OnMessage(message, wParam, lParam);
  }
}

LRESULT SkinnedWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Window::Handle(message, wParam, lParam);
}

void SkinnedWindow::Paint() {
  const PaintDc dc(hwnd());
  PaintFrame(dc.get());
  PaintContent(dc.get());
}

void SkinnedWindow::PaintFrame(HDC dc) {
  const MemoryDc source(dc);
  for (const SkinPart part : kDrawOrder) {
    if (layout_[part]) DrawImage(dc, source.get(), art_.Image(part), *layout_[part]);
  }
  if (layout_[SkinPart::kTitle]) {
    RECT area = ToRect(*layout_[SkinPart::kTitle]);
    const Selection selected(dc, fonts().bold.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Colour(kTitleText));
    DrawTextW(dc, title_.c_str(), static_cast<int>(title_.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  const UniqueRegion outline(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(hwnd(), outline.get()) == ERROR) {
    SetRectRgn(outline.get(), 0, 0, Px(width()), Px(height()));
  }
  const UniqueBrush line(CreateSolidBrush(Colour(kOutline)));
  FrameRgn(dc, outline.get(), line.get(), 1, 1);
}

void SkinnedWindow::Press(UINT message, POINT at) {
  const POINT logical = Logical(at);
  if (message == WM_LBUTTONDOWN) {
    pressed_ = layout_.ButtonAt(logical.x, logical.y);
    if (pressed_) {
      SetCapture(hwnd());
      return;
    }
  }
  if (!layout_.StartsDrag(logical.x, logical.y, wholeTitleBarDrags_)) return;
  if (message == WM_LBUTTONDOWN) {
    // The system moves the window as if its caption had been pressed.
    ReleaseCapture();
    SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return;
  }
  // The system's move ends only with the left button: the window moves itself, until the button
  // that started the drag comes up.
  drag_ = message == WM_RBUTTONDOWN ? Drag{WM_RBUTTONUP, MK_RBUTTON, at}
                                    : Drag{WM_MBUTTONUP, MK_MBUTTON, at};
  SetCapture(hwnd());
}

void SkinnedWindow::DragTo(POINT at, WPARAM buttons) {
  // A button-up the window missed (released over another window) ends the drag too.
  if ((buttons & drag_->button) == 0) return EndDrag(drag_->endMessage);
  RECT rect;
  GetWindowRect(hwnd(), &rect);
  SetWindowPos(hwnd(), nullptr, rect.left + at.x - drag_->grip.x, rect.top + at.y - drag_->grip.y,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinnedWindow::EndDrag(UINT message) {
  if (!drag_ || drag_->endMessage != message) return;
  drag_.reset();
  ReleaseCapture();
}

void SkinnedWindow::Release(POINT at) {
  if (!pressed_) return;
  const SkinPart pressed = *pressed_;
  pressed_.reset();
  ReleaseCapture();
  const POINT logical = Logical(at);
  if (layout_.ButtonAt(logical.x, logical.y) != pressed) return;
  switch (pressed) {
    case SkinPart::kTitleClose:
      return OnTitleClose();
    case SkinPart::kTitleHelp:
      return OnTitleHelp();
    case SkinPart::kTitleMinimize:
      return OnTitleMinimize();
    default:
      return;
  }
}

LRESULT SkinnedWindow::ControlColour(HDC dc, HWND control) {
  SetBkColor(dc, Colour(kSkinBackground));
  SetTextColor(dc, LabelColour(control));
  return reinterpret_cast<LRESULT>(art_.background());
}

}  // namespace quellorn::ui::win32
