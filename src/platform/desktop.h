#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

#include "platform/shell.h"
#include "platform/status.h"

namespace quellorn::platform {

// A top-level window of the desktop; 0 is none.
using WindowHandle = std::uint64_t;

// Window messages as Windows numbers them.
namespace window_message {
inline constexpr std::uint32_t kClose = 0x0010;
}  // namespace window_message

// The top-level windows of the desktop, as the program finds and drives other programs'
// windows. Nothing here goes through the keyboard or mouse input of the whole desktop: what is
// delivered reaches the one window named and nothing else.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Whether this desktop shows windows at all (a machine folder has none).
  virtual bool HasWindows() = 0;

  // FindWindow by title alone, waiting up to `patience` for such a window to appear. With
  // `sameProcessAs`, only a window of that window's program counts. 0 when there is none.
  virtual WindowHandle FindByTitle(std::string_view title, std::chrono::milliseconds patience,
                                   WindowHandle sameProcessAs = 0) = 0;
  virtual bool Exists(WindowHandle window) = 0;
  // Waits up to `patience` for the window to go; true when it is gone.
  virtual bool WaitUntilGone(WindowHandle window, std::chrono::milliseconds patience) = 0;

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
};

}  // namespace quellorn::platform
