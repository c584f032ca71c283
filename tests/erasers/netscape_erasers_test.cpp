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
  Reg("[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape 6]\r\n");
  EraseNetscapeCookies(ctx);
  EXPECT_TRUE(Lines().empty());

  // Mozilla registers under the older key.
  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape]\r\n\"CurrentVersion\"=\"1.7.13\"\r\n");
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

// The browsers' own files as they write them: Mozilla's localstore.rdf keeps the typed
// addresses as RDF sequence items, one a line; prefs.js holds one user_pref line per setting.
const std::string kStoreHead =
    "<?xml version=\"1.0\"?>\n"
    "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\"\n"
    "         xmlns:RDF=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <RDF:Seq RDF:about=\"nc:urlbar-history\">\n";
const std::string kStoreTail =
    "  </RDF:Seq>\n"
    "  <RDF:Description RDF:about=\"chrome://navigator/content/navigator.xul#main-window\"\n"
    "                   width=\"800\" height=\"600\" />\n"
    "</RDF:RDF>\n";
const std::string kLocalStore = kStoreHead +
                                "    <RDF:li>http://www.example.com/</RDF:li>\n"
                                "    <rdf:LI>http://bank.example.org/login</rdf:LI>\n" +
                                kStoreTail;

// Every piece between line feeds but the sequence items, each with its LF (the text ends with
// one, so two empty pieces follow the last line), then CR LF.
const std::string kLocalStoreAfter = kStoreHead + kStoreTail + "\n\n\r\n";

constexpr std::string_view kBlankLastPage =
    "user_pref(\"browser.History.last_page_visited; \", \"\");";

class LocationBarTest : public testing::NetscapeTest {
 protected:
  const std::string profile = Mozilla("joe\\k2m9q1.slt");
  const std::string localStore = profile + "\\localstore.rdf";
  const std::string prefs = profile + "\\prefs.js";
};

// The local store loses its sequence items only; the prefs get a fixed line for each typed
// address, unreported.
TEST_F(LocationBarTest, Netscape6LocalStoreAndPrefs) {
  Make(localStore, kLocalStore);
  Make(prefs,
       "# Mozilla User Preferences\r\n"
       "user_pref(\"browser.startup.homepage\", \"http://www.example.com/\");\r\n"
       "user_pref(\"browser.url_history.URL_1\", \"http://a.example/\");\r\n"
       "user_pref(\"browser.url_history.URL_2\", \"http://b.example/\");\r\n"
       "user_pref(\"browser.url_history.URL_3\", \"http://c.example/\");\r\n"
       "user_pref(\"browser.URL_HISTORY.kept\", \"capitals\");\r\n"
       "user_pref(\"browser.history.last_page_visited\", \"http://d.example/\");\r\n"
       "user_pref(\"network.cookie.cookieBehavior\", 0);\r\n");
  EraseNetscapeLocationBar(ctx);
  EXPECT_EQ(Read(localStore), kLocalStoreAfter);
  const std::string blank(kBlankLastPage);
  EXPECT_EQ(Read(prefs),
            "# Mozilla User Preferences\r\n"
            "user_pref(\"browser.startup.homepage\", \"http://www.example.com/\");\r\n" +
                blank + "\r\n" + blank + "\r\n" + blank +
                "\r\n"
                "user_pref(\"browser.URL_HISTORY.kept\", \"capitals\");\r\n" +
                blank +
                "\r\n"
                "user_pref(\"network.cookie.cookieBehavior\", 0);\r\n");
  EXPECT_EQ(Lines(), std::vector<std::string>{"Updated File " + At(localStore) + " <OK>"});
  EXPECT_TRUE(Logged("Updated " + At(localStore) + " <OK>"));
  EXPECT_EQ(ctx.run.totals.files, 1);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 0.0f);
  EXPECT_EQ(Names(profile), (std::vector<std::string>{"localstore.rdf", "prefs.js"}));
}

TEST_F(LocationBarTest, Netscape4PrefsLoseTheHistoryInAnyCase) {
  const std::string nc4Prefs = Netscape4("joe\\prefs.js");
  Make(nc4Prefs,
       "// Netscape User Preferences\r\n"
       "user_pref(\"browser.url_history.URL_1\", \"http://a.example/\");\r\n"
       "user_pref(\"Browser.URL_History.URL_2\", \"http://b.example/\");\r\n"
       "user_pref(\"browser.cache.disk_cache_size\", 7680);\r\n"
       "user_pref(\"BROWSER.URL_HISTORY.DATE\", 1);");
  EraseNetscapeLocationBar(ctx);
  EXPECT_EQ(Read(nc4Prefs),
            "// Netscape User Preferences\r\n"
            "user_pref(\"browser.cache.disk_cache_size\", 7680);\r\n");
  const std::string line = "Updated file: " + Netscape4Line("joe", "prefs.js") + " <OK>";
  EXPECT_EQ(Lines(), std::vector<std::string>{line});
  EXPECT_TRUE(Logged(line));
  EXPECT_EQ(ctx.run.totals.files, 1);
  EXPECT_EQ(Names(Netscape4("joe")), std::vector<std::string>{"prefs.js"});
}

TEST_F(LocationBarTest, Users50FollowsTheNetscape6RulesUnderItsLowerCaseName) {
  Make(Users50("ann\\localstore.rdf"), kLocalStore);
  // Bare line feeds, as some versions write them: the other lines are kept all the same.
  Make(Users50("ann\\prefs.js"),
       "user_pref(\"browser.url_history.URL_1\", \"x\");\n"
       "user_pref(\"mail.identity\", \"joe\");\n");
  EraseNetscapeLocationBar(ctx);
  EXPECT_EQ(Read(Users50("ann\\localstore.rdf")), kLocalStoreAfter);
  EXPECT_EQ(Read(Users50("ann\\prefs.js")), std::string(kBlankLastPage) +
                                                "\r\n"
                                                "user_pref(\"mail.identity\", \"joe\");\r\n");
  EXPECT_EQ(Lines(), std::vector<std::string>{"Updated File " + At("Netscape") +
                                              "\\users50\\ann\\localstore.rdf <OK>"});
}

TEST_F(LocationBarTest, AFileThatCannotBeReplacedKeepsItsContentAndTheRestGoesOn) {
  const std::string nc4Prefs = Netscape4("joe\\prefs.js");
  const std::string prefsText = "user_pref(\"browser.url_history.URL_1\", \"x\");\r\n";
  Make(localStore, kLocalStore);
  Make(prefs, prefsText);
  Make(nc4Prefs, prefsText);
  faults.unreplaceable.insert(At(localStore));
  faults.fullDisk = At(Netscape4("joe"));
  EraseNetscapeLocationBar(ctx);
  EXPECT_EQ(Read(localStore), kLocalStore);
  EXPECT_EQ(Read(nc4Prefs), prefsText);
  EXPECT_EQ(Read(prefs), std::string(kBlankLastPage) + "\r\n");
  EXPECT_EQ(Names(profile), (std::vector<std::string>{"localstore.rdf", "prefs.js"}));
  EXPECT_EQ(Names(Netscape4("joe")), std::vector<std::string>{"prefs.js"});
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(ctx.run.totals.files, 0);
}

}  // namespace
}  // namespace quellorn
