#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"
#include "platform/status.h"

namespace quellorn::platform {

// A top-level window of the desktop; 0 is none.
using WindowHandle = std::uint64_t;

// Window messages as Windows numbers them.
namespace window_message {
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kQueryEndSession = 0x0011;
inline constexpr std::uint32_t kEndSession = 0x0016;
inline constexpr std::uint32_t kSysCommand = 0x0112;
inline constexpr std::uint32_t kHotKey = 0x0312;
inline constexpr std::uint32_t kLeftButtonUp = 0x0202;
inline constexpr std::uint32_t kRightButtonUp = 0x0205;
}  // namespace window_message

// Modifier keys of a hot key, as RegisterHotKey numbers them.
namespace hot_key_modifier {
inline constexpr std::uint32_t kAlt = 0x0001;
}  // namespace hot_key_modifier

// Where a window stands and in which state: the record of Get/SetWindowPlacement.
struct WindowPlacement {
  struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
  };
  struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
  };

  std::uint32_t flags = 0;
  ShowStyle showCommand = ShowStyle::kNormal;
  Point minPosition;
  Point maxPosition;
  Rect normalPosition;

  friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The top-level windows of the desktop, as the program finds and drives other programs' windows
// and its own main window's place on the desktop (hot keys, notification-area icon). Nothing
// here goes through the keyboard or mouse input of the whole desktop: what is delivered reaches
// the one window named and nothing else.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Whether programs started through the shell show their windows here (a machine folder's
  // shell starts none).
  virtual bool HasWindows() = 0;

  // FindWindow by title alone, waiting up to `patience` for such a window to appear. With
  // `sameProcessAs`, only a window of that window's program counts. 0 when there is none.
  virtual WindowHandle FindByTitle(std::string_view title, std::chrono::milliseconds patience,
                                   WindowHandle sameProcessAs = 0) = 0;
  // FindWindow by window class and title together; 0 when there is none.
  virtual WindowHandle FindByClass(std::string_view className, std::string_view title) = 0;
  virtual bool Exists(WindowHandle window) = 0;
  // Waits up to `patience` for the window to go; true when it is gone.
  virtual bool WaitUntilGone(WindowHandle window, std::chrono::milliseconds patience) = 0;

  // EnumWindows: every top-level window, front to back.
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // GetClassName: the window's class name, "" for a window that has gone.
  virtual std::string ClassName(WindowHandle window) = 0;
  // GetWindowPlacement and SetWindowPlacement. A placement read from a window brings it back
  // in that state and place; showCommand kHidden hides the window and keeps its state.
  virtual Status GetPlacement(WindowHandle window, WindowPlacement& placement) = 0;
  virtual Status SetPlacement(WindowHandle window, const WindowPlacement& placement) = 0;

  // ShowWindow with the show command.
  virtual Status Show(WindowHandle window, ShowStyle style) = 0;
  // PostMessage: queues the message for the window and returns at once.
  virtual Status Post(WindowHandle window, std::uint32_t message, std::uint64_t wParam,
                      std::int64_t lParam) = 0;
  // Delivers key strokes, written in the notation of key_notation.h, to this window alone: Enter
  // and Tab go to its message queue; Alt with a letter presses the window's own button whose
  // underlined letter it is (kNotFound when it has none). Returns once the window's program is
  // taking messages again.
  virtual Status PostKeys(WindowHandle window, std::string_view keys) = 0;

  // RegisterHotKey: from now on the key with the modifiers posts kHotKey with `id` to `owner`,
  // whichever window has the focus. Fails (kHotKeyAlreadyRegistered) when another hot key has
  // the combination. The keys go when their window goes.
  virtual Status RegisterHotKey(WindowHandle owner, int id, std::uint32_t modifiers,
                                std::uint32_t key) = 0;
  // UnregisterHotKey: the key `id` of `owner` is free again.
  virtual Status UnregisterHotKey(WindowHandle owner, int id) = 0;

  // The notification-area icon of a window (one per window), showing the icon of the window's
  // class. Mouse messages on it reach the window as `callbackMessage`, the mouse message in
  // lParam. A tip longer than the area holds is cut.
  virtual Status AddTrayIcon(WindowHandle owner, std::uint32_t callbackMessage) = 0;
  virtual Status SetTrayTip(WindowHandle owner, std::string_view tip) = 0;
  virtual Status RemoveTrayIcon(WindowHandle owner) = 0;
};

}  // namespace quellorn::platform
