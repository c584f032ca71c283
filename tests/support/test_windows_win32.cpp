// TestWindows under Wine: real top-level windows of the test program's own thread (hot keys can
// only belong to a window of the thread that registers them).
#include <map>
#include <set>
#include <string>

#include "platform/win32/win32_base.h"
#include "platform/win32/window_handle.h"
#include "support/display_check.h"
#include "support/test_windows.h"

namespace quellorn::testing {

using platform::win32::FromHwnd;
using platform::win32::ToHwnd;

struct TestWindows::Impl {
  std::set<std::wstring> classes;
  std::vector<HWND> windows;
  std::map<HWND, std::vector<std::pair<std::uint64_t, std::int64_t>>> closes;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (message == WM_CLOSE) {
      auto* impl = reinterpret_cast<Impl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      if (impl != nullptr) impl->closes[window].emplace_back(wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void Register(const std::wstring& name) {
    if (classes.contains(name)) return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name.c_str();
    RegisterClassW(&windowClass);
    classes.insert(name);
  }
};

TestWindows::TestWindows(TestMachine& machine)
    : machine_(machine), impl_(std::make_unique<Impl>()) {}

TestWindows::~TestWindows() {
  for (const HWND window : impl_->windows) {
    if (IsWindow(window)) DestroyWindow(window);
  }
  Pump();
  for (const std::wstring& name : impl_->classes) {
    UnregisterClassW(name.c_str(), GetModuleHandleW(nullptr));
  }
}

bool TestWindows::CanOpen() {
  return CanShowWindows();
}

platform::WindowHandle TestWindows::Open(std::string_view className, std::string_view title,
                                         platform::ShowStyle state) {
  std::wstring wideClass;
  std::wstring wideTitle;
  platform::win32::ToWide(className, wideClass);
  platform::win32::ToWide(title, wideTitle);
  impl_->Register(wideClass);
  const HWND window =
      CreateWindowExW(0, wideClass.c_str(), wideTitle.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 320,
                      240, nullptr, nullptr, GetModuleHandleW(nullptr), impl_.get());
  if (window == nullptr) return 0;
  impl_->windows.push_back(window);
  switch (state) {
    case platform::ShowStyle::kHidden:
      break;
    case platform::ShowStyle::kMaximized:
      ShowWindow(window, SW_SHOWMAXIMIZED);
      break;
    case platform::ShowStyle::kMinimized:
      ShowWindow(window, SW_SHOWMINNOACTIVE);
      break;
    default:
      ShowWindow(window, SW_SHOWNOACTIVATE);
      break;
  }
  return FromHwnd(window);
}

bool TestWindows::Visible(platform::WindowHandle window) {
  return IsWindowVisible(ToHwnd(window)) != FALSE;
}

void TestWindows::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::vector<std::pair<std::uint64_t, std::int64_t>> TestWindows::Closes(
    platform::WindowHandle window) {
  return impl_->closes[ToHwnd(window)];
}

}  // namespace quellorn::testing
