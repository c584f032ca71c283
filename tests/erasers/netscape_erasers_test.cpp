#include <gtest/gtest.h>

#include "erasers/browser_fixture.h"
#include "erasers/netscape_erasers.h"
#include "erasers/netscape_profiles.h"

namespace quellorn {
namespace {

namespace attr = platform::attr;

class NetscapeErasersTest : public testing::NetscapeTest {
 protected:
  std::string Erased(const std::string& path) const { return "Erasing File " + path + " <OK>"; }
};

TEST_F(NetscapeErasersTest, CookiesOfEveryGroupGoInGroupOrder) {
  Make(Mozilla("joe\\k2m9q1.slt\\cookies.txt"), std::string(2048, 'm'));
  Make(Netscape4("joe\\cookies.txt"), std::string(1024, 'n'));
  Make(Users50("ann\\cookies.txt"), std::string(512, 'u'));
  EraseNetscapeCookies(ctx);
  const std::string mozilla = At(Mozilla("joe\\k2m9q1.slt\\cookies.txt"));
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{Erased(mozilla), Erased(Netscape4Line("joe", "cookies.txt")),
                                      Erased(Users50Line("ann", "cookies.txt"))}));
  EXPECT_TRUE(Logged("Erasing " + mozilla + " <OK>"));
  for (const std::string& gone : {Mozilla("joe\\k2m9q1.slt"), Netscape4("joe"), Users50("ann")})
    EXPECT_FALSE(Exists(gone + "\\cookies.txt")) << gone;
  EXPECT_EQ(ctx.run.totals.files, 3);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 3.5f);
}

// An empty Mozilla profile leaves the other groups alone too.
TEST_F(NetscapeErasersTest, AProfileWithoutTheFileGivesNoLine) {
  machine.MakeFolder(At(Mozilla("joe")));
  Make(Netscape4("joe\\cookies.txt"));
  Make(Netscape4("bob\\prefs.js"));
  Make(Netscape4("eve\\cookies.txt"));
  EraseNetscapeCookies(ctx);
  EXPECT_EQ(SortedLines(), (std::vector<std::string>{Erased(Netscape4Line("eve", "cookies.txt")),
                                                     Erased(Netscape4Line("joe", "cookies.txt"))}));
  EXPECT_TRUE(Exists(Netscape4("bob\\prefs.js")));
  EXPECT_EQ(ctx.run.totals.files, 2);
}

TEST_F(NetscapeErasersTest, EachGroupKeepsItsOwnHistoryFiles) {
  for (const std::string& folder : {Mozilla("joe\\k2m9q1.slt"), Netscape4("joe"), Users50("joe")}) {
    Make(folder + "\\history.dat");
    Make(folder + "\\netscape.hst");
  }
  ctx.run.mode = EraseMode::kTest;
  EraseNetscapeHistory(ctx);
  const std::string mozilla = At(Mozilla("joe\\k2m9q1.slt"));
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "Test Mode: " + Erased(mozilla + "\\history.dat"),
                         "Test Mode: " + Erased(mozilla + "\\netscape.hst"),
                         "Test Mode: " + Erased(Netscape4Line("joe", "netscape.hst")),
                         "Test Mode: " + Erased(Users50Line("joe", "history.dat")),
                     }));
}

TEST_F(NetscapeErasersTest, MozillaProfilesNeedARegisteredNetscape) {
  Make(Mozilla("joe\\k2m9q1.slt\\cookies.txt"));
  ctx.run.mode = EraseMode::kTest;
  machine.LoadReg(R"reg(Windows Registry Editor Version 5.00

[-HKEY_LOCAL_MACHINE\SOFTWARE\Netscape\Netscape 6]
)reg");
  EraseNetscapeCookies(ctx);
  EXPECT_TRUE(Lines().empty());

  // Mozilla registers under the older key.
  machine.LoadReg(R"reg(Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Netscape\Netscape]
"CurrentVersion"="1.7.13"
)reg");
  EraseNetscapeCookies(ctx);
  EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(NetscapeErasersTest, Windows98KeepsTheProfilesInTheWindowsFolder) {
  system.windowsFolder = At("WINDOWS");
  ctx.windowsVersion = "98";
  Make("WINDOWS\\Application Data\\Mozilla\\Profiles\\joe\\k2m9q1.slt\\cookies.txt");
  Make(Mozilla("joe\\k2m9q1.slt\\cookies.txt"));
  EraseNetscapeCookies(ctx);
  EXPECT_EQ(Lines(), std::vector<std::string>{
                         Erased(At("WINDOWS\\application data\\Mozilla\\Profiles\\joe\\k2m9q1.slt\\"
                                   "cookies.txt"))});
  EXPECT_TRUE(Exists(Mozilla("joe\\k2m9q1.slt\\cookies.txt")));
}

TEST_F(NetscapeErasersTest, EveryInnerFolderThatHoldsProfileFilesIsVisited) {
  Make(Mozilla("joe\\k2m9q1.slt\\cookies.txt"));
  Make(Mozilla("joe\\p7x3z8.slt\\prefs.js"));
  Make(Mozilla("joe\\p7x3z8.slt\\cookies.txt"));
  Make(Mozilla("joe\\chrome\\cookies.txt.bak"));
  machine.MakeFolder(At(Mozilla("joe\\chrome\\cookies.txt")));
  ctx.run.mode = EraseMode::kTest;
  std::vector<std::string> folders;
  for (const NetscapeProfile& profile : NetscapeProfiles(ctx)) {
    EXPECT_EQ(profile.group, ProfileGroup::kMozilla);
    folders.push_back(profile.folder);
  }
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::string>{At(Mozilla("joe\\k2m9q1.slt")),
                                               At(Mozilla("joe\\p7x3z8.slt"))}));
  EraseNetscapeCookies(ctx);
  EXPECT_EQ(ctx.run.totals.files, 2);
}

TEST_F(NetscapeErasersTest, AMissingOrEmptyProgramFolderNamesNoUsers) {
  Make(Netscape4("joe\\cookies.txt"));
  Make(Users50("ann\\cookies.txt"));
  for (const char* setting : {"", "Netscape", "unknown value"}) {
    ctx.settingsFile.SaveSetting("Browser", "nc4dir", setting);
    EraseNetscapeCookies(ctx);
  }
  ctx.settingsFile.EraseSection("Browser");
  EraseNetscapeCookies(ctx);
  EXPECT_TRUE(Lines().empty());
  EXPECT_TRUE(Exists(Netscape4("joe\\cookies.txt")));
  EXPECT_TRUE(Exists(Users50("ann\\cookies.txt")));
}

TEST_F(NetscapeErasersTest, CacheFoldersWithOrdinaryFilesAreEmptied) {
  Make(Mozilla("joe\\k2m9q1.slt\\cache\\_CACHE_001_"), std::string(1024, 'c'));
  Make(Mozilla("joe\\k2m9q1.slt\\cache\\sub\\page.htm"), std::string(1024, 'p'));
  Make(Netscape4("joe\\cache\\hidden.db"));
  ASSERT_EQ(os.files.SetAttributes(At(Netscape4("joe\\cache\\hidden.db")), attr::kHidden),
            platform::kSuccess);
  Make(Users50("ann\\cache\\inner\\page.htm"));
  ctx.settings.antirecover = 1;
  EraseNetscapeCache(ctx);
  const std::string cache = At(Mozilla("joe\\k2m9q1.slt\\cache"));
  EXPECT_EQ(SortedLines(), (std::vector<std::string>{"Erasing " + cache + "\\_CACHE_001_ <OK>",
                                                     "Erasing " + cache + "\\sub\\page.htm <OK>"}));
  EXPECT_TRUE(Exists(Mozilla("joe\\k2m9q1.slt\\cache\\sub")));
  EXPECT_TRUE(Exists(Netscape4("joe\\cache\\hidden.db")));
  EXPECT_TRUE(Exists(Users50("ann\\cache\\inner\\page.htm")));
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 2.0f);
}

TEST_F(NetscapeErasersTest, ListSubfoldersNamesFoldersOnlyEachWithAComma) {
  Make("list\\file.txt");
  machine.MakeFolder(At("list\\One"));
  EXPECT_EQ(ListSubfolders(ctx, At("list")), "One,");
  machine.MakeFolder(At("list\\two"));
  const std::string both = ListSubfolders(ctx, At("list\\"));
  EXPECT_TRUE(both == "One,two," || both == "two,One,") << both;
  EXPECT_EQ(ListSubfolders(ctx, At("missing")), "");
  EXPECT_EQ(ListSubfolders(ctx, At("list\\One")), "");
}

}  // namespace
}  // namespace quellorn
