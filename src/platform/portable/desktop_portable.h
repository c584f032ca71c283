#pragma once

#include "platform/desktop.h"

namespace quellorn::platform {

// The desktop of a machine folder: it shows no windows, so no window is ever found and every
// call that names one fails as it would for a window that has closed.
class PortableDesktop : public Desktop {
 public:
  bool HasWindows() override { return false; }
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
