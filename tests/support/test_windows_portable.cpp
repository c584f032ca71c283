// TestWindows on the in-memory desktop of a machine folder.
#include "platform/portable/desktop_portable.h"
#include "support/test_windows.h"

namespace quellorn::testing {

struct TestWindows::Impl {
  platform::PortableDesktop& desktop;
};

TestWindows::TestWindows(TestMachine& machine)
    : machine_(machine),
      impl_(std::make_unique<Impl>(
          Impl{dynamic_cast<platform::PortableDesktop&>(machine.platform().desktop)})) {}

TestWindows::~TestWindows() = default;

bool TestWindows::CanOpen() {
  return true;
}

platform::WindowHandle TestWindows::Open(std::string_view className, std::string_view title,
                                         platform::ShowStyle state) {
  return impl_->desktop.AddWindow(std::string(className), std::string(title), state);
}

bool TestWindows::Visible(platform::WindowHandle window) {
  const auto* found = impl_->desktop.Find(window);
  return found != nullptr && found->open && found->visible;
}

void TestWindows::Pump() {}

std::vector<std::pair<std::uint64_t, std::int64_t>> TestWindows::Closes(
    platform::WindowHandle window) {
  std::vector<std::pair<std::uint64_t, std::int64_t>> closes;
  const auto* found = impl_->desktop.Find(window);
  if (found == nullptr) return closes;
  for (const auto& message : found->received) {
    if (message.message == platform::window_message::kClose) {
      closes.emplace_back(message.wParam, message.lParam);
    }
  }
  return closes;
}

}  // namespace quellorn::testing
