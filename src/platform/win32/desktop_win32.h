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
  WindowHandle FindByClass(std::string_view className, std::string_view title) override;
  bool Exists(WindowHandle window) override;
  bool WaitUntilGone(WindowHandle window, std::chrono::milliseconds patience) override;
  std::vector<WindowHandle> TopLevelWindows() override;
  std::string ClassName(WindowHandle window) override;
  Status GetPlacement(WindowHandle window, WindowPlacement& placement) override;
  Status SetPlacement(WindowHandle window, const WindowPlacement& placement) override;
  Status Show(WindowHandle window, ShowStyle style) override;
  Status Post(WindowHandle window, std::uint32_t message, std::uint64_t wParam,
              std::int64_t lParam) override;
  Status PostKeys(WindowHandle window, std::string_view keys) override;
  Status RegisterHotKey(WindowHandle owner, int id, std::uint32_t modifiers,
                        std::uint32_t key) override;
  Status UnregisterHotKey(WindowHandle owner, int id) override;
  Status AddTrayIcon(WindowHandle owner, std::uint32_t callbackMessage) override;
  Status SetTrayTip(WindowHandle owner, std::string_view tip) override;
  Status RemoveTrayIcon(WindowHandle owner) override;
};

}  // namespace quellorn::platform
