#include "run/second_copy.h"

namespace quellorn {

bool CloseRunningCopy(platform::Desktop& desktop, std::chrono::milliseconds patience) {
  const platform::WindowHandle old = desktop.FindByClass(kMainWindowClass, kMainWindowTitle);
  if (old == 0) return false;
  // wParam and lParam 1: the old copy closes as for any other request.
  desktop.Post(old, platform::window_message::kClose, 1, 1);
  return desktop.WaitUntilGone(old, patience);
}

}  // namespace quellorn
