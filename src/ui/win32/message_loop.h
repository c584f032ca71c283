#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// The program's one message loop, also entered from inside: while a run yields, while a modal
// window waits for its answer, and while a result stays on screen. Keys in the program's
// windows move between their controls and press their buttons. The program's end (WM_QUIT)
// seen by an inner pass is kept for the outer loop.
class MessageLoop {
 public:
  // Windows whose keyboard the dialog manager handles (Tab, Enter, Escape, access keys).
  void AddWindow(HWND window);
  void RemoveWindow(HWND window);

  // Until the program ends; answers its exit code.
  int Run();
  // Serves the messages waiting now.
  void PumpPending();
  // Serves messages as they come, for the time given.
  void PumpFor(std::chrono::milliseconds time);
  // Serves messages until `done` holds or the program ends.
  void RunUntil(const std::function<bool()>& done);

  bool ending() const { return ending_; }

 private:
  // False for WM_QUIT.
  bool Take(MSG& message, bool wait);
  void Dispatch(MSG& message);

  std::vector<HWND> windows_;
  bool ending_ = false;
  int exitCode_ = 0;
};

}  // namespace quellorn::ui::win32
