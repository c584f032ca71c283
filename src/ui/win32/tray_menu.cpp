#include "ui/win32/tray_menu.h"

namespace quellorn::ui::win32 {

namespace {
// Menu command numbers: the entry's number above this (0 means no choice).
constexpr UINT kFirstEntry = 1;
}  // namespace

std::optional<TrayEntry> ChooseFromTrayMenu(HWND owner, MainWindow& window) {
  const UniqueMenu menu(CreatePopupMenu());
  for (const TrayMenuLine& line : MainWindow::TrayMenu()) {
    if (!line.entry) {
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT flags = MF_STRING | (window.Enabled(*line.entry) ? MF_ENABLED : MF_GRAYED);
    AppendMenuW(menu.get(), flags, kFirstEntry + static_cast<UINT>(*line.entry),
                Wide(line.caption).c_str());
  }
  POINT at{};
  GetCursorPos(&at);
  // A pop-up menu of a tray icon closes when the user clicks elsewhere only if its owner is
  // in front, and the message after it lets the menu go for good.
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen < kFirstEntry) return std::nullopt;
  return static_cast<TrayEntry>(chosen - kFirstEntry);
}

}  // namespace quellorn::ui::win32
