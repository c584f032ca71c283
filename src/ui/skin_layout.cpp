#include "ui/skin_layout.h"

namespace quellorn::ui {

namespace {
// The title text's box: the caption of a title bar never needs more height than this.
constexpr int kTitleTextHeight = 16;
}  // namespace

SkinLayout::SkinLayout(SkinStyle style, int width, int height)
    : width_(width), height_(height), rounded_(style != SkinStyle::kEditor) {
  const int w = width;
  const int h = height;
  constexpr int kImage = kFrameImageWidth;
  constexpr int kBar = kFrameImageHeight;
  constexpr int kButton = kTitleButtonSize;
  // The title text runs from its place to the first title button.
  const int helpLeft = style == SkinStyle::kDialog ? w - 39 : w - 56;
  Place(SkinPart::kTitle, 16, 7, helpLeft - 4 - 16, kTitleTextHeight);
  Place(SkinPart::kTitleLeft, 0, 0, kImage, kBar);
  Place(SkinPart::kTitleRight, w - kImage, 0, kImage, kBar);
  Place(SkinPart::kTitleMain, kImage, 0, w - kImage, kBar);
  Place(SkinPart::kWindowLeft, 0, kBar, kImage, h - 2 * kBar);
  Place(SkinPart::kWindowBottomLeft, 0, h - kBar, kImage, kBar);
  Place(SkinPart::kWindowBottom, kImage, h - kBar, w - 2 * kImage, kBar);
  // One pixel higher than the other bottom pieces: the frame has always stood so.
  Place(SkinPart::kWindowBottomRight, w - kImage, h - kBar - 1, kImage, kBar);
  Place(SkinPart::kWindowRight, w - kImage, kBar, kImage, h - 2 * kBar);
  Place(SkinPart::kTitleClose, w - 22, 8, kButton, kButton);
  Place(SkinPart::kTitleHelp, helpLeft, 8, kButton, kButton);
  if (style == SkinStyle::kMain) Place(SkinPart::kTitleMinimize, w - 39, 8, kButton, kButton);
}

void SkinLayout::Place(SkinPart part, int left, int top, int width, int height) {
  parts_[static_cast<std::size_t>(part)] = SkinRect{left, top, width, height};
}

std::optional<SkinPart> SkinLayout::ButtonAt(int x, int y) const {
  for (const SkinPart button :
       {SkinPart::kTitleClose, SkinPart::kTitleHelp, SkinPart::kTitleMinimize}) {
    const auto& rect = (*this)[button];
    if (rect && rect->Contains(x, y)) return button;
  }
  return std::nullopt;
}

bool SkinLayout::StartsDrag(int x, int y, bool wholeTitleBar) const {
  const auto within = [&](SkinPart part) {
    const auto& rect = (*this)[part];
    return rect && rect->Contains(x, y);
  };
  // Front to back: the buttons, the title text, the right end over the stretched middle.
  if (ButtonAt(x, y)) return false;
  if (within(SkinPart::kTitle)) return true;
  if (within(SkinPart::kTitleRight)) return wholeTitleBar;
  return within(SkinPart::kTitleLeft) || within(SkinPart::kTitleMain);
}

}  // namespace quellorn::ui
