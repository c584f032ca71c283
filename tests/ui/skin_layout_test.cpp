#include "ui/skin_layout.h"

#include <gtest/gtest.h>

namespace quellorn::ui {
namespace {

TEST(SkinLayoutTest, FramesA400By300Window) {
  const SkinLayout layout(SkinStyle::kDialog, 400, 300);
  const struct {
    SkinPart part;
    SkinRect rect;
  } cases[] = {
      {SkinPart::kTitleLeft, {0, 0, 19, 30}},
      {SkinPart::kTitleMain, {19, 0, 381, 30}},
      {SkinPart::kTitleRight, {381, 0, 19, 30}},
      {SkinPart::kWindowLeft, {0, 30, 19, 240}},
      {SkinPart::kWindowRight, {381, 30, 19, 240}},
      {SkinPart::kWindowBottomLeft, {0, 270, 19, 30}},
      {SkinPart::kWindowBottom, {19, 270, 362, 30}},
      {SkinPart::kWindowBottomRight, {381, 269, 19, 30}},
      {SkinPart::kTitleClose, {378, 8, 13, 13}},
      {SkinPart::kTitleHelp, {361, 8, 13, 13}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.part));
    ASSERT_TRUE(layout[c.part].has_value());
    EXPECT_EQ(*layout[c.part], c.rect);
  }
  EXPECT_EQ(layout[SkinPart::kTitle]->left, 16);
  EXPECT_EQ(layout[SkinPart::kTitle]->top, 7);
  EXPECT_FALSE(layout[SkinPart::kTitleMinimize].has_value());
  EXPECT_TRUE(layout.rounded());
}

TEST(SkinLayoutTest, TheMainWindowAndTheEditorMoveHelpAside) {
  const SkinLayout main(SkinStyle::kMain, 400, 300);
  EXPECT_EQ(main[SkinPart::kTitleHelp]->left, 344);
  EXPECT_EQ(main[SkinPart::kTitleMinimize], (SkinRect{361, 8, 13, 13}));
  EXPECT_EQ(main[SkinPart::kTitleClose]->left, 378);
  EXPECT_TRUE(main.rounded());

  const SkinLayout editor(SkinStyle::kEditor, 400, 300);
  EXPECT_EQ(editor[SkinPart::kTitleHelp]->left, 344);
  EXPECT_FALSE(editor[SkinPart::kTitleMinimize].has_value());
  EXPECT_FALSE(editor.rounded()) << "the editor keeps square corners";
}

TEST(SkinLayoutTest, ButtonsAndDragAreasOfTheTitleBar) {
  const SkinLayout layout(SkinStyle::kMain, 400, 300);
  EXPECT_EQ(layout.ButtonAt(378, 8), SkinPart::kTitleClose);
  EXPECT_EQ(layout.ButtonAt(390, 20), SkinPart::kTitleClose);
  EXPECT_EQ(layout.ButtonAt(391, 8), std::nullopt);
  EXPECT_EQ(layout.ButtonAt(365, 12), SkinPart::kTitleMinimize);
  EXPECT_EQ(layout.ButtonAt(350, 12), SkinPart::kTitleHelp);

  EXPECT_TRUE(layout.StartsDrag(20, 10)) << "the title text";
  EXPECT_TRUE(layout.StartsDrag(5, 25)) << "the left end";
  EXPECT_TRUE(layout.StartsDrag(200, 2)) << "the middle";
  EXPECT_TRUE(layout.StartsDrag(395, 25)) << "the right end";
  EXPECT_FALSE(layout.StartsDrag(380, 10)) << "a button";
  EXPECT_FALSE(layout.StartsDrag(200, 30)) << "below the title bar";
  // One window drags by the left two images and the text alone.
  EXPECT_FALSE(layout.StartsDrag(395, 25, false));
  EXPECT_TRUE(layout.StartsDrag(200, 2, false));
}

}  // namespace
}  // namespace quellorn::ui
