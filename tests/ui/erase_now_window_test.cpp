#include "ui/erase_now_window.h"

#include <gtest/gtest.h>

#include "run/erase_runner.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

class EraseNowWindowTest : public testing::ContextTest {};

TEST_F(EraseNowWindowTest, EachButtonAnswersItsModeAndCloses) {
  const struct {
    void (ui::EraseNowWindow::*click)();
    EraseMode answer;
  } cases[] = {{&ui::EraseNowWindow::OnStart, EraseMode::kErase},
               {&ui::EraseNowWindow::OnTest, EraseMode::kTest},
               {&ui::EraseNowWindow::OnCancel, EraseMode::kNone}};
  for (const auto& c : cases) {
    ui::EraseNowWindow window(ctx);
    EXPECT_FALSE(window.closed());
    EXPECT_FALSE(window.warningChecked()) << "the window opens with the box clear";
    (window.*c.click)();
    EXPECT_TRUE(window.closed());
    EXPECT_EQ(window.answer(), c.answer);
  }
}

TEST_F(EraseNowWindowTest, TheBoxIsRememberedAtEachClickAndSkipsTheNextConfirmation) {
  ui::EraseNowWindow window(ctx);
  window.OnWarningClick(true);
  EXPECT_EQ(ctx.settingsFile.GetSetting("General", "Warning"), "1");
  window.OnWarningClick(false);
  EXPECT_EQ(ctx.settingsFile.GetSetting("General", "Warning"), "0");
  window.OnWarningClick(true);
  window.OnStart();

  ctx.settings.trackFlags.fill(1);
  EraseNow(ctx);
  EXPECT_EQ(view.confirmations, 0);
  EXPECT_EQ(ctx.run.mode, EraseMode::kErase);
}

}  // namespace
}  // namespace quellorn
