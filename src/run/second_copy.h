#pragma once

#include <chrono>
#include <string_view>

#include "platform/desktop.h"

namespace quellorn {

// The main window's class and title: what a second copy looks for, and nothing else carries
// both (a folder named "Quellorn" open in Explorer has the title but not the class).
inline constexpr std::string_view kMainWindowClass = "Quellorn.MainWindow";
inline constexpr std::string_view kMainWindowTitle = "Quellorn";

// A copy started while another runs takes over: it asks the old copy's main window to close
// and waits a while for it to go, then carries on whether it went or not. True when there was
// an old copy and it has gone.
bool CloseRunningCopy(platform::Desktop& desktop, std::chrono::milliseconds patience);

}  // namespace quellorn
