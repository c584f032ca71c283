#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace quellorn::platform {

// The desktop of a machine folder: windows kept in memory. A machine folder's programs show
// none, so it starts empty; tests put windows on it to see what the program does with other
// programs' windows and its own. What names a window that is not there fails as it does on
// Windows for a window that has closed.
class PortableDesktop : public Desktop {
 public:
  struct Message {
    std::uint32_t message = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    friend bool operator==(const Message&, const Message&) = default;
  };
  struct Window {
    std::string className;
    std::string title;
    WindowPlacement placement;
    bool visible = true;
    bool open = true;               // false once it has closed
    std::vector<Message> received;  // posted messages and key strokes, oldest first
  };
  struct HotKey {
    WindowHandle owner = 0;
    int id = 0;
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
  };
  struct TrayIcon {
    std::uint32_t callbackMessage = 0;
    std::string tip;
  };

  // Puts a window in front of the others, in the state the show command names (kHidden: not
  // visible, in the normal state).
  WindowHandle AddWindow(std::string className, std::string title,
                         ShowStyle state = ShowStyle::kNormal);
  // What became of a window put here, also after it has closed (a posted kClose closes it, as
  // the default window procedure does); nullptr for a handle never given out.
  const Window* Find(WindowHandle window) const;
  const std::vector<HotKey>& hotKeys() const { return hotKeys_; }
  const std::map<WindowHandle, TrayIcon>& trayIcons() const { return trayIcons_; }

  bool HasWindows() override { return false; }
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

 private:
  Window* Lookup(WindowHandle window);
  void Apply(Window& window, ShowStyle style);

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> zOrder_;  // front first
  WindowHandle next_ = 0x10010;
  std::vector<HotKey> hotKeys_;
  std::map<WindowHandle, TrayIcon> trayIcons_;
};

}  // namespace quellorn::platform
