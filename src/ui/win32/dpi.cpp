#include "ui/win32/dpi.h"

#include "ui/win32/owners.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kLogicalDpi = 96;

}  // namespace

int SystemDpi() {
  // A process aware of the system DPI sees one DPI for its whole life.
  static const int dpi = [] {
    const int read = GetDeviceCaps(ScreenDc().get(), LOGPIXELSY);
    return read > 0 ? read : kLogicalDpi;
  }();
  return dpi;
}

int Px(int logical) {
  return MulDiv(logical, SystemDpi(), kLogicalDpi);
}

// Sizes scale apart from positions, so that a box is as wide as the text measured for it.
Box Px(Box box) {
  return {Px(box.left), Px(box.top), Px(box.width), Px(box.height)};
}

RECT Px(RECT rect) {
  return {Px(rect.left), Px(rect.top), Px(rect.right), Px(rect.bottom)};
}

int Logical(int pixels) {
  const int dpi = SystemDpi();
  const int scaled = pixels * kLogicalDpi;
  return scaled >= 0 ? scaled / dpi : -((-scaled + dpi - 1) / dpi);
}

int LogicalSize(int pixels) {
  const int dpi = SystemDpi();
  return (pixels * kLogicalDpi + dpi - 1) / dpi;
}

POINT Logical(POINT point) {
  return {Logical(point.x), Logical(point.y)};
}

RECT Logical(RECT rect) {
  return {Logical(rect.left), Logical(rect.top), Logical(rect.right), Logical(rect.bottom)};
}

void DrawEtched(HDC dc, RECT rect, UINT edges) {
  RECT at = Px(rect);
  DrawEdge(dc, &at, EDGE_ETCHED, edges);
}

}  // namespace quellorn::ui::win32
