#pragma once

#include <optional>

#include "ui/main_window.h"
#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// Opens the tray menu at the mouse and answers the entry chosen, if any.
std::optional<TrayEntry> ChooseFromTrayMenu(HWND owner, MainWindow& window);

}  // namespace quellorn::ui::win32
