// Hot keys and the notification-area icon of the program's own window.
#include <algorithm>
#include <iterator>

#include "platform/win32/desktop_win32.h"
#include "platform/win32/win32_base.h"
#include "platform/win32/window_handle.h"

namespace quellorn::platform {

namespace {

using win32::ToHwnd;

// The one icon a window shows in the notification area.
NOTIFYICONDATAW IconData(WindowHandle owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = ToHwnd(owner);
  data.uID = 0;
  return data;
}

HICON ClassIcon(HWND window) {
  const auto small = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  return small != nullptr ? small : reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
}

// Shell_NotifyIcon answers only whether it worked.
Status TrayStatus(BOOL succeeded) {
  return succeeded ? kSuccess : kGenFailure;
}

}  // namespace

Status Win32Desktop::RegisterHotKey(WindowHandle owner, int id, std::uint32_t modifiers,
                                    std::uint32_t key) {
  return win32::StatusOf(::RegisterHotKey(ToHwnd(owner), id, modifiers, key));
}

Status Win32Desktop::UnregisterHotKey(WindowHandle owner, int id) {
  return win32::StatusOf(::UnregisterHotKey(ToHwnd(owner), id));
}

Status Win32Desktop::AddTrayIcon(WindowHandle owner, std::uint32_t callbackMessage) {
  if (!Exists(owner)) return kInvalidWindowHandle;
  NOTIFYICONDATAW data = IconData(owner);
  data.uFlags = NIF_MESSAGE | NIF_ICON;
  data.uCallbackMessage = callbackMessage;
  data.hIcon = ClassIcon(data.hWnd);
  return TrayStatus(Shell_NotifyIconW(NIM_ADD, &data));
}

Status Win32Desktop::SetTrayTip(WindowHandle owner, std::string_view tip) {
  std::wstring wide;
  if (!win32::ToWide(tip, wide)) return kInvalidParameter;
  NOTIFYICONDATAW data = IconData(owner);
  data.uFlags = NIF_TIP;
  const std::size_t length = std::min(wide.size(), std::size(data.szTip) - 1);
  std::copy_n(wide.begin(), length, data.szTip);
  return TrayStatus(Shell_NotifyIconW(NIM_MODIFY, &data));
}

Status Win32Desktop::RemoveTrayIcon(WindowHandle owner) {
  NOTIFYICONDATAW data = IconData(owner);
  return TrayStatus(Shell_NotifyIconW(NIM_DELETE, &data));
}

}  // namespace quellorn::platform
