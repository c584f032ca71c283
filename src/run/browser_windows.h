#pragma once

#include <cstdint>
#include <string_view>

#include "platform/desktop.h"

namespace quellorn {

// Whether a window class is one of the browsers' main windows: AOL's (any class naming it),
// Internet Explorer's, Mozilla's and Netscape's, or Opera's.
bool IsBrowserClass(std::string_view className);

// How many top-level browser windows are open.
std::int16_t CountBrowserWindows(platform::Desktop& desktop);

}  // namespace quellorn
