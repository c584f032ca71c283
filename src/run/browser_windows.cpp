#include "run/browser_windows.h"

namespace quellorn {

bool IsBrowserClass(std::string_view className) {
  return className.find("AOL") != std::string_view::npos || className == "IEFrame" ||
         className == "MozillaWindowClass" || className == "Opera Main Window";
}

std::int16_t CountBrowserWindows(platform::Desktop& desktop) {
  std::int16_t count = 0;
  for (const platform::WindowHandle window : desktop.TopLevelWindows()) {
    if (IsBrowserClass(desktop.ClassName(window))) ++count;
  }
  return count;
}

}  // namespace quellorn
