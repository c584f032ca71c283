#pragma once

#include <vector>

#include "platform/desktop.h"

namespace quellorn::ui {

// Hides every browser window at once and brings the same windows back later, each in the
// state and place it had.
class BrowserHider {
 public:
  struct Hidden {
    platform::WindowHandle window = 0;
    platform::WindowPlacement placement;
  };

  // HideBrowserWindows: forgets the windows hidden before, then hides the browser windows open
  // now, remembering their placement.
  void Hide(platform::Desktop& desktop);
  // ShowBrowserWindows: puts the remembered windows back; it keeps remembering them.
  void Show(platform::Desktop& desktop);

  const std::vector<Hidden>& hidden() const { return hidden_; }

 private:
  std::vector<Hidden> hidden_;
};

}  // namespace quellorn::ui
