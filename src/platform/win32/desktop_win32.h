#pragma once

#include "platform/desktop.h"

namespace quellorn::platform {

// The windows of the real desktop. Key strokes are posted to the window itself, never through
// the keyboard input of the desktop, so they reach that window alone, whichever window has the
// focus.
class Win32Desktop final : public Desktop {
 public:
  bool HasWindows() override { return true; }
  WindowHandle FindByTitle(std::string_view title, std::chrono::milliseconds patience,
                           WindowHandle sameProcessAs) override;
  bool Exists(WindowHandle window) override;
  bool WaitUntilGone(WindowHandle window, std::chrono::milliseconds patience) override;
  Status Show(WindowHandle window, ShowStyle style) override;
  Status Post(WindowHandle window, std::uint32_t message, std::uint64_t wParam,
              std::int64_t lParam) override;
  Status PostKeys(WindowHandle window, std::string_view keys) override;
};

}  // namespace quellorn::platform
