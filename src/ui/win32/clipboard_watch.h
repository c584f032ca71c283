#pragma once

#include <functional>
#include <string>

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// Text copied to the clipboard by any program while a window is open, handed to `onText`. The
// window passes its messages to Handle first. Where user32 has no clipboard format listener the
// window joins the clipboard viewer chain and keeps it intact for the other viewers until the
// watch ends, which must be before the window goes.
class ClipboardWatch {
 public:
  ClipboardWatch(HWND window, std::function<void(const std::string&)> onText);
  ~ClipboardWatch();
  ClipboardWatch(const ClipboardWatch&) = delete;
  ClipboardWatch& operator=(const ClipboardWatch&) = delete;

  // True when the message was the watch's (the window then answers 0).
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  using ListenerFunction = BOOL(WINAPI*)(HWND);

  void OnChange();

  HWND window_;
  std::function<void(const std::string&)> onText_;
  ListenerFunction removeListener_ = nullptr;  // set while the window is a format listener
  bool viewer_ = false;                        // set while the window is in the viewer chain
  HWND nextViewer_ = nullptr;
  // The clipboard's change count already seen: joining the viewer chain reports the clipboard
  // as it is, which is no copy (0: the count is not available).
  DWORD seen_ = 0;
};

}  // namespace quellorn::ui::win32
