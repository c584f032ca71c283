#pragma once

#include "ui/win32/controls.h"
#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// The views lay windows out in logical units, pixels at 96 DPI. The program declares itself aware
// of the system DPI, so the system does not stretch its windows: these convert at the Win32
// boundary between logical units and the screen's pixels.

// The screen's pixels per inch, fixed while the program runs.
int SystemDpi();

// Logical units to the screen's pixels.
int Px(int logical);
Box Px(Box box);
RECT Px(RECT rect);

// The screen's pixels to logical units: rounded down for positions, rounded up for a measured
// size so that what it measured fits.
int Logical(int pixels);
int LogicalSize(int pixels);
POINT Logical(POINT point);
RECT Logical(RECT rect);

// An etched frame (BF_RECT) or line (BF_TOP) along a rectangle in logical units.
void DrawEtched(HDC dc, RECT rect, UINT edges);

}  // namespace quellorn::ui::win32
