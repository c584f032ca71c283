#pragma once

namespace quellorn::ui::win32 {

// The grid every window's contents keep to: inside the frame's borders a margin of 8 pixels,
// buttons 25 pixels high, and 8 pixels between controls.
inline constexpr int kContentLeft = 27;
inline constexpr int kContentTop = 40;
inline constexpr int kContentBottomMargin = 38;  // from the window's bottom edge
inline constexpr int kButtonHeight = 25;
inline constexpr int kButtonWidth = 84;
inline constexpr int kGap = 8;

}  // namespace quellorn::ui::win32
