#include "ui/keep_list_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "erasers/ie_erasers.h"
#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"
#include "support/xp_hive.h"

namespace quellorn {
namespace {

using Lines = std::vector<std::string>;
using ui::KeepListWindow;

class KeepListWindowTest : public testing::ProfileTest {
 protected:
  KeepListWindowTest() {
    machine.LoadReg(testing::XpUserKeys({testing::kXpShellFolders, testing::kXpTypedUrls}));
    Make("joe\\Cookies\\joe@ads[1].txt");
    Make("joe\\Cookies\\joe@bank[1].txt");
    Make("joe\\Cookies\\index.dat");
    Make("joe\\Cookies\\Low\\joe@low[1].txt");
    Make("WINDOWS\\cookies\\joe@old[1].txt");
  }
  static Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
  }
  std::size_t IndexOf(const KeepListWindow& window, std::string_view item) {
    const auto& items = window.currentItems();
    return static_cast<std::size_t>(std::find(items.begin(), items.end(), item) - items.begin());
  }
};

TEST_F(KeepListWindowTest, CaptionsFollowTheList) {
  const struct {
    const char* mode;
    Lines captions;
  } cases[] = {
      {"cookies", {"Cookies Options", "Cookies", "Current Cookies List", "Cookies Keep List"}},
      {"url", {"URL Drop-List Options", "URL Drop-List", "Current URL List", "URL Keep List"}},
      {"plugins", {"IE Plugins Options", "IE Plugins", "Current Plugins", "Plugins Keep List"}},
      {"other", {"Welcome", "Cookies", "Label1", "Label2"}},
  };
  for (const auto& c : cases) {
    KeepListWindow window(ctx, c.mode);
    window.Load();
    EXPECT_EQ((Lines{window.title(), window.frameCaption(), window.currentHeading(),
                     window.keepHeading()}),
              c.captions)
        << c.mode;
    EXPECT_FALSE(window.addEnabled());
    EXPECT_FALSE(window.deleteEnabled());
  }
}

// The user's cookie folder alone, its files without the index file; kept cookies are listed
// as well.
TEST_F(KeepListWindowTest, CurrentCookiesAreTheFilesOfTheUsersCookieFolder) {
  machine.WriteFile(ProgramFile("Cookies.txt"), "  joe@bank[1].txt \r\n\r\ngone[1].txt\r\n");
  KeepListWindow window(ctx, "cookies");
  window.Load();
  EXPECT_EQ(Sorted(window.currentItems()), (Lines{"joe@ads[1].txt", "joe@bank[1].txt"}));
  EXPECT_EQ(window.keepItems(), (Lines{"joe@bank[1].txt", "", "gone[1].txt"}));
}

TEST_F(KeepListWindowTest, CurrentAddressesAndPlugins) {
  KeepListWindow urls(ctx, "url");
  urls.Load();
  EXPECT_EQ(urls.currentItems(),
            (Lines{"http://firefox.com/", "http://go.microsoft.com/fwlink/?LinkId=69157"}));

  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=\"$ROOT\\\\IE\"\r\n");
  Make("IE\\PLUGINS\\npdsplay.dll");
  Make("IE\\PLUGINS\\index.dat");
  KeepListWindow plugins(ctx, "plugins");
  plugins.Load();
  EXPECT_EQ(plugins.currentItems(), Lines{"npdsplay.dll"});
}

TEST_F(KeepListWindowTest, NothingToListWithoutTheFolders) {
  ShellFolders({{"Cookies", nullptr}});
  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=-\r\n");
  for (const char* mode : {"cookies", "plugins"}) {
    KeepListWindow window(ctx, mode);
    window.Load();
    EXPECT_TRUE(window.currentItems().empty()) << mode;
  }
}

TEST_F(KeepListWindowTest, AddKeepsOneOfEachAndDeleteTakesTheSelectedItem) {
  KeepListWindow window(ctx, "url");
  window.Load();
  window.OnCurrentClick(0);
  EXPECT_TRUE(window.addEnabled());
  EXPECT_FALSE(window.deleteEnabled());
  window.OnAdd();
  window.OnAdd();
  window.OnCurrentDoubleClick(1);
  window.OnCurrentDoubleClick(0);
  EXPECT_EQ(window.keepItems(),
            (Lines{"http://firefox.com/", "http://go.microsoft.com/fwlink/?LinkId=69157"}));

  window.OnKeepClick(0);
  EXPECT_TRUE(window.deleteEnabled());
  EXPECT_FALSE(window.addEnabled());
  window.OnDelete();
  EXPECT_EQ(window.keepItems(), Lines{"http://go.microsoft.com/fwlink/?LinkId=69157"});
  // Nothing is selected any more.
  window.OnDelete();
  EXPECT_EQ(window.keepItems().size(), 1u);
  window.OnKeepDoubleClick(0);
  EXPECT_TRUE(window.keepItems().empty());
}

TEST_F(KeepListWindowTest, AnItemIsTheSameOnlyInTheSameLetterCase) {
  Reg("[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs]\r\n"
      "\"url3\"=\"HTTP://FIREFOX.COM/\"\r\n");
  KeepListWindow window(ctx, "url");
  window.Load();
  window.OnCurrentDoubleClick(IndexOf(window, "http://firefox.com/"));
  window.OnCurrentDoubleClick(IndexOf(window, "HTTP://FIREFOX.COM/"));
  EXPECT_EQ(window.keepItems(), (Lines{"http://firefox.com/", "HTTP://FIREFOX.COM/"}));
}

TEST_F(KeepListWindowTest, RefreshListsAgainAndLeavesNothingSelected) {
  KeepListWindow window(ctx, "cookies");
  window.Load();
  window.OnCurrentClick(0);
  Make("joe\\Cookies\\joe@new[1].txt");
  window.OnRefresh();
  EXPECT_EQ(window.currentItems().size(), 3u);
  window.OnAdd();
  EXPECT_TRUE(window.keepItems().empty());
}

// OK writes the list for the erasers, in the window's order; Cancel writes nothing.
TEST_F(KeepListWindowTest, OkWritesWhatTheErasersReadAndCancelWritesNothing) {
  {
    KeepListWindow window(ctx, "url");
    window.Load();
    window.OnCurrentDoubleClick(0);
    window.OnCancel();
    EXPECT_TRUE(window.closed());
  }
  EXPECT_FALSE(os.files.Exists(ProgramFile("Url.txt")));
  {
    KeepListWindow window(ctx, "url");
    window.Load();
    window.OnOk();
    EXPECT_TRUE(window.closed());
  }
  EXPECT_EQ(machine.ReadFile(ProgramFile("Url.txt")), "");
  {
    KeepListWindow window(ctx, "url");
    window.Load();
    window.OnCurrentDoubleClick(IndexOf(window, "http://firefox.com/"));
    window.OnOk();
  }
  EXPECT_EQ(machine.ReadFile(ProgramFile("url.txt")), "http://firefox.com/\r\n");
  ctx.run.mode = EraseMode::kErase;
  EraseTypedUrls(ctx);
  EXPECT_EQ(QueryValue(ctx, platform::kCurrentUser,
                       "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1"),
            "http://firefox.com/");
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
}

TEST_F(KeepListWindowTest, OkLeavesAListThatCouldNotBeReadAsItWas) {
  machine.WriteFile(ProgramFile("Cookies.txt"), "joe@bank[1].txt\r\n");
  faults.unopenable.insert(ProgramFile("Cookies.txt"));
  KeepListWindow window(ctx, "cookies");
  window.Load();
  window.OnCurrentDoubleClick(0);
  window.OnOk();
  faults.unopenable.clear();
  EXPECT_EQ(machine.ReadFile(ProgramFile("Cookies.txt")), "joe@bank[1].txt\r\n");
}

TEST_F(KeepListWindowTest, UnknownModeSavesNothing) {
  KeepListWindow window(ctx, "Cookies");
  window.Load();
  EXPECT_TRUE(window.currentItems().empty());
  EXPECT_TRUE(window.keepItems().empty());
  window.OnOk();
  EXPECT_TRUE(window.closed());
  for (const char* name : {"Cookies.txt", "Url.txt", "Plugins.txt"}) {
    EXPECT_FALSE(os.files.Exists(ProgramFile(name))) << name;
  }
}

}  // namespace
}  // namespace quellorn
