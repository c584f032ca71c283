#include <gtest/gtest.h>

#include "erasers/browser_fixture.h"
#include "erasers/netscape_erasers.h"

namespace quellorn {
namespace {

// The browsers' own files as they write them: Mozilla's localstore.rdf keeps the typed
// addresses as RDF sequence items, one a line; prefs.js holds one user_pref line per setting.
constexpr std::string_view kLocalStore =
    "<?xml version=\"1.0\"?>\n"
    "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\"\n"
    "         xmlns:RDF=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <RDF:Seq RDF:about=\"nc:urlbar-history\">\n"
    "    <RDF:li>http://www.example.com/</RDF:li>\n"
    "    <rdf:LI>http://bank.example.org/login</rdf:LI>\n"
    "  </RDF:Seq>\n"
    "  <RDF:Description RDF:about=\"chrome://navigator/content/navigator.xul#main-window\"\n"
    "                   width=\"800\" height=\"600\" />\n"
    "</RDF:RDF>\n";

// Every piece between line feeds but the sequence items, each with its LF (the text ends with
// one, so two empty pieces follow the last line), then CR LF.
constexpr std::string_view kLocalStoreAfter =
    "<?xml version=\"1.0\"?>\n"
    "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\"\n"
    "         xmlns:RDF=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <RDF:Seq RDF:about=\"nc:urlbar-history\">\n"
    "  </RDF:Seq>\n"
    "  <RDF:Description RDF:about=\"chrome://navigator/content/navigator.xul#main-window\"\n"
    "                   width=\"800\" height=\"600\" />\n"
    "</RDF:RDF>\n"
    "\n"
    "\n"
    "\r\n";

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
