// Top-level windows: enumeration, classes and placements.
#include <iterator>

#include "platform/win32/desktop_win32.h"
#include "platform/win32/win32_base.h"
#include "platform/win32/window_handle.h"

namespace quellorn::platform {

namespace {

using win32::FromHwnd;
using win32::ToHwnd;

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<WindowHandle>*>(param)->push_back(FromHwnd(window));
  return TRUE;
}

WindowPlacement FromNative(const WINDOWPLACEMENT& native) {
  WindowPlacement placement;
  placement.flags = native.flags;
  placement.showCommand = static_cast<ShowStyle>(native.showCmd);
  placement.minPosition = {native.ptMinPosition.x, native.ptMinPosition.y};
  placement.maxPosition = {native.ptMaxPosition.x, native.ptMaxPosition.y};
  const RECT& normal = native.rcNormalPosition;
  placement.normalPosition = {normal.left, normal.top, normal.right, normal.bottom};
  return placement;
}

WINDOWPLACEMENT ToNative(const WindowPlacement& placement) {
  WINDOWPLACEMENT native{};
  native.length = sizeof native;
  native.flags = placement.flags;
  native.showCmd = static_cast<UINT>(placement.showCommand);
  native.ptMinPosition = {placement.minPosition.x, placement.minPosition.y};
  native.ptMaxPosition = {placement.maxPosition.x, placement.maxPosition.y};
  const WindowPlacement::Rect& normal = placement.normalPosition;
  native.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
  return native;
}

}  // namespace

std::vector<WindowHandle> Win32Desktop::TopLevelWindows() {
  std::vector<WindowHandle> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Win32Desktop::ClassName(WindowHandle window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(ToHwnd(window), name, static_cast<int>(std::size(name)));
  return length > 0 ? win32::ToUtf8(std::wstring_view(name, static_cast<std::size_t>(length)))
                    : std::string();
}

Status Win32Desktop::GetPlacement(WindowHandle window, WindowPlacement& placement) {
  WINDOWPLACEMENT native{};
  native.length = sizeof native;
  if (!GetWindowPlacement(ToHwnd(window), &native)) return win32::LastStatus();
  placement = FromNative(native);
  return kSuccess;
}

Status Win32Desktop::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
  const WINDOWPLACEMENT native = ToNative(placement);
  return win32::StatusOf(SetWindowPlacement(ToHwnd(window), &native));
}

}  // namespace quellorn::platform
