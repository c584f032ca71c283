// Traces of the Netscape family, Opera and AOL, shaped like the files those browsers write.
#include "demo/demo_builder.h"

namespace quellorn::demo {
namespace {

constexpr std::string_view kNetscapeFolder = "C:\\Program Files\\Netscape";
constexpr std::string_view kOperaFolder = "C:\\Program Files\\Opera";
constexpr std::string_view kAolFolder = "C:\\Program Files\\America Online 9.0";

std::string In(std::string_view folder, std::string_view relative) {
  return std::string(folder) + "\\" + std::string(relative);
}

constexpr std::string_view kCookies =
    "# Netscape HTTP Cookie File\r\n"
    "# This is a generated file!  Do not edit.\r\n"
    "\r\n"
    ".example.com\tTRUE\t/\tFALSE\t1893456000\tsession\t4f2a9c\r\n"
    "shop.example.org\tFALSE\t/cart\tFALSE\t1893456000\tbasket\t17\r\n";

constexpr std::string_view kLocalStore =
    "<?xml version=\"1.0\"?>\n"
    "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\"\n"
    "         xmlns:RDF=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <RDF:Seq RDF:about=\"nc:urlbar-history\">\n"
    "    <RDF:li>http://www.example.com/</RDF:li>\n"
    "    <RDF:li>http://shop.example.org/cart</RDF:li>\n"
    "  </RDF:Seq>\n"
    "  <RDF:Description RDF:about=\"chrome://navigator/content/navigator.xul#main-window\"\n"
    "                   width=\"800\" height=\"600\" />\n"
    "</RDF:RDF>\n";

constexpr std::string_view kMozillaPrefs =
    "# Mozilla User Preferences\r\n"
    "user_pref(\"browser.startup.homepage\", \"http://www.example.com/\");\r\n"
    "user_pref(\"browser.history.last_page_visited\", \"http://shop.example.org/cart\");\r\n"
    "user_pref(\"browser.url_history.URL_1\", \"http://www.example.com/\");\r\n"
    "user_pref(\"network.cookie.cookieBehavior\", 0);\r\n";

constexpr std::string_view kNetscape4Prefs =
    "// Netscape User Preferences\r\n"
    "user_pref(\"browser.cache.disk_cache_size\", 7680);\r\n"
    "user_pref(\"browser.url_history.URL_1\", \"http://www.example.com/\");\r\n"
    "user_pref(\"browser.url_history.URL_2\", \"http://news.example.net/\");\r\n"
    "user_pref(\"mail.identity.username\", \"Joe\");\r\n";

// A Netscape 6 or Mozilla profile folder's files.
void MozillaProfile(DemoBuilder& demo, const std::string& folder) {
  demo.File(folder + "\\cookies.txt", kCookies);
  demo.File(folder + "\\history.dat", std::string(6144, 'h'));
  demo.File(folder + "\\localstore.rdf", kLocalStore);
  demo.File(folder + "\\prefs.js", kMozillaPrefs);
  demo.File(folder + "\\Cache\\_CACHE_001_", std::string(20480, 'c'));
  demo.File(folder + "\\Cache\\_CACHE_MAP_", std::string(4096, 'm'));
}

}  // namespace

void AddNetscapeTraces(DemoBuilder& demo) {
  demo.Reg(R"reg([HKEY_LOCAL_MACHINE\SOFTWARE\Netscape\Netscape 6]
"CurrentVersion"="6.2.3 (en)"
)reg");
  const std::string profiles = DemoBuilder::InProfile("Application Data\\Mozilla\\Profiles");
  MozillaProfile(demo, profiles + "\\default\\k2m9q1ab.slt");
  // A profile whose folder holds a second folder besides its files' own.
  MozillaProfile(demo, profiles + "\\work\\x8d3f2e1c.slt");
  demo.File(profiles + "\\work\\backup\\notes.txt", "kept: not the profile's\r\n");

  demo.File(In(kNetscapeFolder, "Users\\joe\\cookies.txt"), kCookies);
  demo.File(In(kNetscapeFolder, "Users\\joe\\netscape.hst"), std::string(8192, 'n'));
  demo.File(In(kNetscapeFolder, "Users\\joe\\prefs.js"), kNetscape4Prefs);
  demo.File(In(kNetscapeFolder, "Users\\joe\\cache\\M0A1B2C3.htm"), std::string(12288, 'w'));
  demo.File(In(kNetscapeFolder, "Users\\joe\\cache\\fat.db"), std::string(2048, 'f'));
  MozillaProfile(demo, In(kNetscapeFolder, "Users50\\joe"));
  demo.Setting("Browser", "nc4dir", kNetscapeFolder);
}

void AddOperaTraces(DemoBuilder& demo) {
  demo.File(In(kOperaFolder, "global.dat"), std::string(3072, 'g'));
  demo.File(In(kOperaFolder, "vlink4.dat"), std::string(2048, 'v'));
  demo.File(In(kOperaFolder, "opera.dir"), std::string(1024, 'd'));
  demo.File(In(kOperaFolder, "cookies4.dat"), std::string(1536, 'k'));
  demo.File(In(kOperaFolder, "cache4\\opr00A1B.htm"), std::string(9216, 'o'));
  demo.File(In(kOperaFolder, "cache4\\opr00A1C.gif"), std::string(3072, 'i'));
  demo.File(In(kOperaFolder, "opera6.ini"), "[User Prefs]\r\nHome URL=http://www.example.com/\r\n");
  demo.Setting("Browser", "OperaDir", kOperaFolder);
}

void AddAolTraces(DemoBuilder& demo) {
  demo.Reg(R"([HKEY_LOCAL_MACHINE\SOFTWARE\America Online\AOL\CurrentVersion]
"appPath"="C:\\Program Files\\America Online 9.0"
)");
  demo.File(In(kAolFolder, "organize\\joe.ARL"), std::string(2048, 'a'));
  demo.File(In(kAolFolder, "organize\\joe.aut"), std::string(1024, 'u'));
  demo.File(In(kAolFolder, "organize\\main.idx"), "the address book stays\r\n");
  demo.File(In(kAolFolder, "organize\\CACHE\\art0001.art"), std::string(16384, 'p'));
  demo.File(In(kAolFolder, "organize\\CACHE\\wc\\page.htm"), std::string(4096, 'h'));
}

}  // namespace quellorn::demo
