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
    for (const char* name : {"joe\\Cookies\\joe@ads[1].txt", "joe\\Cookies\\joe@bank[1].txt",
                             "joe\\Cookies\\index.dat", "joe\\Cookies\\Low\\joe@low[1].txt",
                             "WINDOWS\\cookies\\joe@old[1].txt"})
      Make(name);
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

// What each list finds: the files of the user's cookie folder alone without the index file (kept
// cookies too), the typed addresses, the plugin files of the IE folder; nothing without the
// folders.
TEST_F(KeepListWindowTest, CurrentItemsAreWhatTheSystemHolds) {
  machine.WriteFile(ProgramFile("Cookies.txt"), "  joe@bank[1].txt \r\n\r\ngone[1].txt\r\n");
  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=\"$ROOT\\\\IE\"\r\n");
  Make("IE\\PLUGINS\\npdsplay.dll");
  Make("IE\\PLUGINS\\index.dat");
  const auto current = [&](const char* mode) {
    KeepListWindow window(ctx, mode);
    window.Load();
    return Sorted(window.currentItems());
  };
  EXPECT_EQ(current("cookies"), (Lines{"joe@ads[1].txt", "joe@bank[1].txt"}));
  KeepListWindow cookies(ctx, "cookies");
  cookies.Load();
  EXPECT_EQ(cookies.keepItems(), (Lines{"joe@bank[1].txt", "", "gone[1].txt"})) << "as written";
  EXPECT_EQ(current("url"),
            (Lines{"http://firefox.com/", "http://go.microsoft.com/fwlink/?LinkId=69157"}));
  EXPECT_EQ(current("plugins"), Lines{"npdsplay.dll"});
  ShellFolders({{"Cookies", nullptr}});
  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=-\r\n");
  EXPECT_EQ(current("cookies"), Lines{});
  EXPECT_EQ(current("plugins"), Lines{});
}

TEST_F(KeepListWindowTest, AddKeepsOneOfEachAndDeleteTakesTheSelectedItem) {
  KeepListWindow window(ctx, "url");
  window.Load();
  EXPECT_FALSE(window.addEnabled() || window.deleteEnabled()) << "nothing selected yet";
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
  const auto edit = [&](bool keepFirefox, void (KeepListWindow::*close)()) {
    KeepListWindow window(ctx, "url");
    window.Load();
    if (keepFirefox) window.OnCurrentDoubleClick(IndexOf(window, "http://firefox.com/"));
    (window.*close)();
    EXPECT_TRUE(window.closed());
  };
  edit(true, &KeepListWindow::OnCancel);
  EXPECT_FALSE(os.files.Exists(ProgramFile("Url.txt")));
  edit(false, &KeepListWindow::OnOk);
  EXPECT_EQ(machine.ReadFile(ProgramFile("Url.txt")), "");
  edit(true, &KeepListWindow::OnOk);
  EXPECT_EQ(machine.ReadFile(ProgramFile("url.txt")), "http://firefox.com/\r\n");
  ctx.run.mode = EraseMode::kErase;
  EraseTypedUrls(ctx);
  EXPECT_EQ(QueryValue(ctx, platform::kCurrentUser,
                       "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1"),
            "http://firefox.com/");
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
}

TEST_F(KeepListWindowTest, UnknownModeSavesNothingAndOkLeavesAnUnreadableListAsItWas) {
  KeepListWindow unknown(ctx, "Cookies");
  unknown.Load();
  EXPECT_TRUE(unknown.currentItems().empty());
  EXPECT_TRUE(unknown.keepItems().empty());
  unknown.OnOk();
  EXPECT_TRUE(unknown.closed());
  for (const char* name : {"Cookies.txt", "Url.txt", "Plugins.txt"})
    EXPECT_FALSE(os.files.Exists(ProgramFile(name))) << name;
  machine.WriteFile(ProgramFile("Cookies.txt"), "joe@bank[1].txt\r\n");
  faults.unopenable.insert(ProgramFile("Cookies.txt"));
  KeepListWindow window(ctx, "cookies");
  window.Load();
  window.OnCurrentDoubleClick(0);
  window.OnOk();
  faults.unopenable.clear();
  EXPECT_EQ(machine.ReadFile(ProgramFile("Cookies.txt")), "joe@bank[1].txt\r\n");
}

}  // namespace
}  // namespace quellorn
