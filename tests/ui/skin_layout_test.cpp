#include "ui/skin_layout.h"

#include <gtest/gtest.h>

#include <utility>

namespace quellorn::ui {
namespace {

bool Overlap(const SkinRect& a, const SkinRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

constexpr SkinPart kButtons[] = {SkinPart::kTitleClose, SkinPart::kTitleHelp,
                                 SkinPart::kTitleMinimize};

// Every style at several sizes: the frame stays inside the window, the title bar's images cover
// its whole width, the side borders reach the bottom ones, and the title buttons lie in the bar,
// clear of each other and of the title text, and take the clicks on them.
TEST(SkinLayoutTest, TheFrameFitsEveryWindow) {
  for (const SkinStyle style : {SkinStyle::kDialog, SkinStyle::kMain, SkinStyle::kEditor}) {
    for (const auto& [w, h] : {std::pair{400, 300}, {250, 120}, {640, 480}}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(style) << " " << w << "x" << h);
      const SkinLayout layout(style, w, h);
      for (std::size_t i = 0; i < kSkinPartCount; ++i) {
        const auto& r = layout[static_cast<SkinPart>(i)];
        EXPECT_TRUE(!r || (r->left >= 0 && r->top >= 0 && r->width > 0 && r->height > 0 &&
                           r->left + r->width <= w && r->top + r->height <= h))
            << "part " << i;
      }
      for (int x = 0; x < w; ++x) {
        ASSERT_TRUE(layout[SkinPart::kTitleLeft]->Contains(x, 0) ||
                    layout[SkinPart::kTitleMain]->Contains(x, 0) ||
                    layout[SkinPart::kTitleRight]->Contains(x, 0))
            << x;
      }
      for (const auto& [side, bottom] :
           {std::pair{SkinPart::kWindowLeft, SkinPart::kWindowBottomLeft},
            {SkinPart::kWindowRight, SkinPart::kWindowBottom}}) {
        EXPECT_EQ(layout[side]->top, kFrameImageHeight);
        EXPECT_EQ(layout[side]->top + layout[side]->height, layout[bottom]->top);
      }
      EXPECT_EQ(layout[SkinPart::kTitleMinimize].has_value(), style == SkinStyle::kMain);
      EXPECT_EQ(layout.rounded(), style != SkinStyle::kEditor) << "the editor's corners are square";
      for (const SkinPart button : kButtons) {
        const auto& rect = layout[button];
        if (!rect) continue;
        EXPECT_LE(rect->top + rect->height, kFrameImageHeight);
        EXPECT_FALSE(Overlap(*rect, *layout[SkinPart::kTitle]));
        for (const SkinPart other : kButtons)
          EXPECT_FALSE(other != button && layout[other] && Overlap(*rect, *layout[other]));
        const int x = rect->left + rect->width / 2;
        const int y = rect->top + rect->height / 2;
        EXPECT_EQ(layout.ButtonAt(x, y), button);
        EXPECT_FALSE(layout.StartsDrag(x, y));
      }
    }
  }
}

TEST(SkinLayoutTest, TheTitleBarDragsTheWindow) {
  const SkinLayout layout(SkinStyle::kMain, 400, 300);
  const struct {
    int x, y;
    bool whole, partly;
  } cases[] = {
      {20, 10, true, true},     // the title text
      {5, 25, true, true},      // the left end
      {200, 2, true, true},     // the middle
      {395, 25, true, false},   // the right end: one window drags by the left two images alone
      {200, 30, false, false},  // below the title bar
  };
  for (const auto& c : cases) {
    EXPECT_EQ(layout.StartsDrag(c.x, c.y), c.whole) << c.x << "," << c.y;
    EXPECT_EQ(layout.StartsDrag(c.x, c.y, false), c.partly) << c.x << "," << c.y;
  }
  EXPECT_EQ(layout.ButtonAt(200, 12), std::nullopt);
}

}  // namespace
}  // namespace quellorn::ui
