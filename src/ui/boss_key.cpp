#include "ui/boss_key.h"

#include "run/browser_windows.h"

namespace quellorn::ui {

void BrowserHider::Hide(platform::Desktop& desktop) {
  hidden_.clear();
  for (const platform::WindowHandle window : desktop.TopLevelWindows()) {
    if (!IsBrowserClass(desktop.ClassName(window))) continue;
    platform::WindowPlacement placement;
    desktop.GetPlacement(window, placement);
    hidden_.push_back({window, placement});
    placement.showCommand = platform::ShowStyle::kHidden;
    desktop.SetPlacement(window, placement);
  }
}

void BrowserHider::Show(platform::Desktop& desktop) {
  for (const Hidden& record : hidden_) {
    desktop.SetPlacement(record.window, record.placement);
  }
}

}  // namespace quellorn::ui
