#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace quellorn::ui {

// The pieces of the skinned frame every window of the program wears instead of a system
// caption and border: a title bar of three images with the title text over it, side and bottom
// borders, and small title buttons.
enum class SkinPart : std::size_t {
  kTitle,  // the title label
  kTitleLeft,
  kTitleMain,
  kTitleRight,
  kWindowLeft,
  kWindowBottomLeft,
  kWindowBottom,
  kWindowBottomRight,
  kWindowRight,
  kTitleClose,
  kTitleHelp,
  kTitleMinimize,
};
inline constexpr std::size_t kSkinPartCount = 12;

struct SkinRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool Contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

// Sizes of the frame's images; the title bar and borders stretch theirs where the layout says.
inline constexpr int kFrameImageWidth = 19;
inline constexpr int kFrameImageHeight = 30;
inline constexpr int kTitleButtonSize = 13;
// The outline's corners are cut with an ellipse of this width and height.
inline constexpr int kCornerEllipse = 28;
// The grey of every window's background.
inline constexpr unsigned kSkinBackground = 0xCFCFCF;  // RGB(207, 207, 207)

// Which frame a window wears: most windows' own, the main window's (with a minimize button),
// or the file item editor's (help where the main window has it, and square corners).
enum class SkinStyle { kDialog, kMain, kEditor };

// Where the frame's pieces lie in a window of W × H pixels; a piece the style lacks has none.
class SkinLayout {
 public:
  SkinLayout(SkinStyle style, int width, int height);

  const std::optional<SkinRect>& operator[](SkinPart part) const {
    return parts_[static_cast<std::size_t>(part)];
  }
  bool rounded() const { return rounded_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The title button under the point, if any (buttons lie over the title bar).
  std::optional<SkinPart> ButtonAt(int x, int y) const;
  // Whether a mouse press at the point starts moving the window: on the title text or the
  // title bar's images (all three, or only the left two where `wholeTitleBar` is false).
  bool StartsDrag(int x, int y, bool wholeTitleBar = true) const;

 private:
  void Place(SkinPart part, int left, int top, int width, int height);

  std::array<std::optional<SkinRect>, kSkinPartCount> parts_;
  int width_;
  int height_;
  bool rounded_;
};

}  // namespace quellorn::ui
