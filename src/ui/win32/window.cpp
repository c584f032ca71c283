#include "ui/win32/window.h"

#include <algorithm>

#include "ui/win32/dpi.h"

namespace quellorn::ui::win32 {

namespace {

void Register(const WindowSpec& spec, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), spec.className, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = spec.icon;
  windowClass.hIconSm = spec.smallIcon;
  windowClass.lpszClassName = spec.className;
  RegisterClassExW(&windowClass);
}

// The work area (the screen without the task bar) of the monitor that shows most of `rect`.
RECT WorkAreaOf(const RECT& rect) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

// Where a window of that size and place goes to lie inside its monitor's work area; its top
// left stays in view when it is larger than the area.
POINT Inside(const RECT& rect) {
  const RECT area = WorkAreaOf(rect);
  const LONG x = std::max(area.left, std::min(rect.left, area.right - (rect.right - rect.left)));
  const LONG y = std::max(area.top, std::min(rect.top, area.bottom - (rect.bottom - rect.top)));
  return {x, y};
}

// Centred on the owner, or on the primary screen's work area, and kept inside a work area; the
// size in pixels.
POINT Place(SIZE size, HWND owner) {
  RECT around{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
  const LONG x = (around.left + around.right - size.cx) / 2;
  const LONG y = (around.top + around.bottom - size.cy) / 2;
  return Inside({x, y, x + size.cx, y + size.cy});
}

}  // namespace

void KeepInWorkArea(HWND window) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  const POINT at = Inside(rect);
  if (at.x != rect.left || at.y != rect.top)
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Window::~Window() {
  Destroy();
}

void Window::Destroy() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool Window::Create(const WindowSpec& spec) {
  Register(spec, Procedure);
  const SIZE size{Px(spec.width), Px(spec.height)};
  const POINT at = Place(size, spec.owner);
  // The procedure takes the object from the creation data before the first message it handles.
  CreateWindowExW(spec.exStyle, spec.className, spec.title.c_str(), spec.style, at.x, at.y, size.cx,
                  size.cy, spec.owner, nullptr, GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

LRESULT Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

}  // namespace quellorn::ui::win32
