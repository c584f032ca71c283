#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "platform/win32/win32_base.h"

namespace quellorn::testing {

using namespace std::chrono_literals;

// How long the driver waits for the program to show something before it gives up. Waiting
// ends as soon as the thing is there; only a failing test waits this long.
inline constexpr std::chrono::milliseconds kPatience = 30s;

// Asks `holds` until it answers true or `patience` has run out.
bool WaitUntil(const std::function<bool()>& holds, std::chrono::milliseconds patience = kPatience);

// A top-level window of the process with this class (and this title, unless empty).
HWND FindProgramWindow(DWORD process, std::wstring_view className, std::wstring_view title = {});
HWND WaitForWindow(DWORD process, std::wstring_view className, std::wstring_view title = {});

// A button of the window, found by its caption (with or without its access key's ampersand).
HWND FindButton(HWND window, std::wstring_view caption);
// Presses a button of the window, found by its caption, as a click reports it.
bool Click(HWND window, std::wstring_view caption);
// Whether the window's thread is taking messages (it answers within the patience).
bool Responds(HWND window);
// The number of rows of a list view.
int RowCount(HWND list);
// The window's caption.
std::wstring TextOf(HWND window);

// Saves what the screen shows of the window as a 24-bit bitmap file.
bool Screenshot(HWND window, const std::wstring& path);

// quellorn.exe started in its program folder, closed when the object goes.
class RunningProgram {
 public:
  RunningProgram(const std::wstring& folder, const std::wstring& arguments = {});
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  // The main window, loaded and waiting for events (nullptr when it does not come).
  HWND main() const { return main_; }
  bool WaitForExit(std::chrono::milliseconds patience = kPatience);

 private:
  PROCESS_INFORMATION info_{};
  HWND main_ = nullptr;
};

}  // namespace quellorn::testing
