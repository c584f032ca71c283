#pragma once

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// What a window is made with: its class (registered on first use), styles, title, outer size
// in logical units (see dpi.h) and owner. The window opens centred on its owner, or on the screen,
// and inside the work area of its monitor.
struct WindowSpec {
  const wchar_t* className = nullptr;
  DWORD style = WS_POPUP;
  DWORD exStyle = 0;
  std::wstring title;
  int width = 0;
  int height = 0;
  HWND owner = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
};

// Moves a window that lies partly or wholly outside its monitor's work area (say, after a
// monitor was removed) back inside it.
void KeepInWorkArea(HWND window);

// A window whose messages reach a C++ object: the window procedure finds the object through the
// window's user data. The object outlives its window; the window goes with the object at the
// latest.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  bool open() const { return hwnd_ != nullptr; }
  void Destroy();

 protected:
  bool Create(const WindowSpec& spec);
  // Every message of the window; what it does not handle goes to DefWindowProc.
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace quellorn::ui::win32
