#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "support/test_machine.h"

namespace quellorn::testing {

// Top-level windows a test puts on its machine's desktop, of any window class (a browser's, the
// program's main window's): in memory natively, real windows of the test program under Wine.
// They go when the test ends.
class TestWindows {
 public:
  explicit TestWindows(TestMachine& machine);
  ~TestWindows();
  TestWindows(const TestWindows&) = delete;
  TestWindows& operator=(const TestWindows&) = delete;

  // Whether windows can be put on the desktop at all (under Wine only with a display).
  bool CanOpen();
  // A window in the state the show command names: kHidden, kNormal, kMinimized or kMaximized.
  platform::WindowHandle Open(std::string_view className, std::string_view title,
                              platform::ShowStyle state);
  bool Visible(platform::WindowHandle window);
  // The window's state as its placement tells it (also while it is hidden).
  platform::ShowStyle State(platform::WindowHandle window) {
    platform::WindowPlacement placement;
    machine_.platform().desktop.GetPlacement(window, placement);
    return placement.showCommand;
  }
  // Serves the messages waiting for the windows: a real window acts on what was posted to it
  // only then. In memory they have acted already.
  void Pump();
  // The close messages the window was sent, as {wParam, lParam}; also after it has gone.
  std::vector<std::pair<std::uint64_t, std::int64_t>> Closes(platform::WindowHandle window);

 private:
  struct Impl;
  TestMachine& machine_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quellorn::testing
