#pragma once

#include <vector>

#include "ui/options_window.h"
#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// Ids of the options window's controls.
namespace options_id {
inline constexpr int kFirstTab = 200;  // + OptionsTab
inline constexpr int kFirstBox = 300;  // + OptionsBox
inline constexpr int kTime = 401;
inline constexpr int kLog = 402;
inline constexpr int kOverwrite = 403;
inline constexpr int kHomepage = 411;
inline constexpr int kWindowTitle = 412;
inline constexpr int kHelp = 501;
inline constexpr int kUseBlank = 502;
inline constexpr int kApply = 503;
}  // namespace options_id

inline constexpr int kOptionsTabCount = 4;

// The controls of one tab of the options window inside its frame, laid out from top to bottom.
// Without a parent window it only measures.
struct OptionsPage {
  std::vector<HWND> controls;
  RECT frame{};  // the etched frame around them
  int bottom = 0;
};

OptionsPage BuildOptionsPage(HWND parent, OptionsTab tab, HFONT font, int left, int top, int width);

}  // namespace quellorn::ui::win32
