#include "ui/about_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "run/erase_runner.h"
#include "support/context_fixture.h"
#include "ui/erase_now_window.h"
#include "ui/program_documents.h"

namespace quellorn {
namespace {

using ui::AboutLink;
using ui::AboutWindow;

class AboutWindowTest : public testing::ContextTest {};

// Each link shows a text of the window and opens an address of its own, unseen; the mail link
// writes to the address it shows.
TEST_F(AboutWindowTest, EachLinkOpensItsOwnAddressUnseen) {
  AboutWindow window(ctx);
  std::set<std::string> targets;
  for (const AboutLink link : {AboutLink::kLatestVersion, AboutLink::kDownloadPlugins,
                               AboutLink::kOnlineSupport, AboutLink::kSupportMail}) {
    const std::string_view text = AboutWindow::LinkText(link);
    SCOPED_TRACE(text);
    EXPECT_TRUE(std::ranges::any_of(AboutWindow::Controls(),
                                    [&](const ui::ControlText& c) { return c.text == text; }));
    shell.opens.clear();
    window.OnLink(link);
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].style, platform::ShowStyle::kHidden);
    targets.insert(shell.opens[0].target);
    if (link == AboutLink::kSupportMail) {
      ASSERT_TRUE(shell.opens[0].target.starts_with("mailto:"));
      EXPECT_NE(text.find(shell.opens[0].target.substr(7)), std::string_view::npos);
    }
  }
  EXPECT_EQ(targets.size(), 4u);
  EXPECT_FALSE(window.closed());
}

// Each window's help opens its own page of the help file, shown, and leaves the window open;
// without the file a message says so, and without the help viewer the file opens.
TEST_F(AboutWindowTest, HelpOpensTheWindowsOwnPageOrSaysTheFileIsMissing) {
  AboutWindow window(ctx);
  ui::EraseNowWindow confirmation(ctx);
  window.OnHelp();
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_EQ(view.results[0].message, std::string(ui::kHelpMissing) + programFolder + ".");
  machine.WriteFile(ProgramFile("help.chm"), "ITSF");
  window.OnHelp();
  faults.unstartable.insert("hh.exe \"" + ProgramFile("help.chm") + "::/erase_now.html\"");
  confirmation.OnHelp();
  EXPECT_FALSE(window.closed() || confirmation.closed());
  ASSERT_EQ(shell.starts.size(), 2u);
  EXPECT_EQ(shell.starts[0].target, "hh.exe \"" + ProgramFile("help.chm") + "::/about.html\"");
  EXPECT_EQ(shell.starts[0].style, platform::ShowStyle::kShow);
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].target, ProgramFile("help.chm"));
  window.OnOk();
  EXPECT_TRUE(window.closed());
}

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
