#include "ui/win32/message_loop.h"

#include <algorithm>

namespace quellorn::ui::win32 {

void MessageLoop::AddWindow(HWND window) {
  // Windows closed with their owner are never removed one by one.
  std::erase_if(windows_, [](HWND known) { return !IsWindow(known); });
  windows_.push_back(window);
}

void MessageLoop::RemoveWindow(HWND window) {
  std::erase(windows_, window);
}

bool MessageLoop::Take(MSG& message, bool wait) {
  if (ending_) return false;
  const BOOL got = wait ? GetMessageW(&message, nullptr, 0, 0)
                        : PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
  if (!wait && !got) return false;
  if (message.message == WM_QUIT || got == -1) {
    ending_ = true;
    exitCode_ = static_cast<int>(message.wParam);
    return false;
  }
  return true;
}

void MessageLoop::Dispatch(MSG& message) {
  for (const HWND window : windows_) {
    if ((message.hwnd == window || IsChild(window, message.hwnd)) &&
        IsDialogMessageW(window, &message)) {
      return;
    }
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int MessageLoop::Run() {
  MSG message;
  while (Take(message, true))
    Dispatch(message);
  return exitCode_;
}

void MessageLoop::PumpPending() {
  MSG message;
  while (Take(message, false))
    Dispatch(message);
}

void MessageLoop::PumpFor(std::chrono::milliseconds time) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(time.count());
  for (ULONGLONG now = GetTickCount64(); now < end && !ending_; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    PumpPending();
  }
}

void MessageLoop::RunUntil(const std::function<bool()>& done) {
  MSG message;
  while (!done() && Take(message, true))
    Dispatch(message);
}

}  // namespace quellorn::ui::win32
