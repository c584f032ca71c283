#include "ui/about_window.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

using ui::AboutLink;

class AboutWindowTest : public testing::ContextTest {};

TEST_F(AboutWindowTest, EachLinkOpensItsAddressUnseen) {
  const struct {
    AboutLink link;
    const char* text;
    const char* target;
  } cases[] = {
      {AboutLink::kLatestVersion, "Get Latest Version Of Quellorn", "https://www.orvalen.example/"},
      {AboutLink::kDownloadPlugins, "Download Plugins", "https://www.orvalen.example/plugins.htm"},
      {AboutLink::kOnlineSupport, "Online Support", "https://www.orvalen.example/faq.htm"},
      {AboutLink::kSupportMail, "Support Email ( support@orvalen.example  )",
       "mailto:support@orvalen.example"},
  };
  ui::AboutWindow window(ctx);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ui::AboutWindow::LinkText(c.link), c.text);
    shell.opens.clear();
    window.OnLink(c.link);
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].target, c.target);
    EXPECT_EQ(shell.opens[0].style, platform::ShowStyle::kHidden);
  }
  EXPECT_FALSE(window.closed());
}

TEST_F(AboutWindowTest, HelpOpensTheHelpFileAndOkCloses) {
  ui::AboutWindow window(ctx);
  window.OnHelp();
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].target, ProgramFile("help.chm"));
  EXPECT_EQ(shell.opens[0].style, platform::ShowStyle::kShow);
  window.OnOk();
  EXPECT_TRUE(window.closed());
}

}  // namespace
}  // namespace quellorn
