// The plugin pack of the program folder on a Windows 10/11 user's machine: two Chrome profiles,
// Edge, a Firefox profile with a random name and Explorer's traces, beside what must stay.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <span>

#include "plugins/plugin_fixture.h"
#include "plugins/plugin_runner.h"
#include "support/fixtures.h"

namespace quellorn {
namespace {

constexpr std::string_view kChrome = "Local\\Google\\Chrome\\User Data\\";
constexpr std::string_view kEdge = "Local\\Microsoft\\Edge\\User Data\\";
constexpr std::string_view kFoxLocal =
    "Local\\Mozilla\\Firefox\\Profiles\\x7k2p9q1.default-release\\";
constexpr std::string_view kFox = "Roaming\\Mozilla\\Firefox\\Profiles\\x7k2p9q1.default-release\\";
constexpr std::string_view kRecent = "Roaming\\Microsoft\\Windows\\Recent\\";
constexpr std::string_view kExplorerReg =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

struct Trace {
  std::string_view base;
  const char* rest;
};

constexpr Trace kErased[] = {
    {kChrome, "Default\\Cache\\Cache_Data\\f_000001"},
    {kChrome, "Default\\Cache\\Cache_Data\\index"},
    {kChrome, "Default\\Code Cache\\js\\abc_0"},
    {kChrome, "Default\\Network\\Cookies"},
    {kChrome, "Default\\Network\\Cookies-journal"},
    {kChrome, "Default\\History"},
    {kChrome, "Default\\Visited Links"},
    {kChrome, "Default\\Sessions\\Session_1"},
    {kChrome, "Profile 1\\Network\\Cookies"},
    {kChrome, "Profile 1\\History"},
    {kEdge, "Default\\Cache\\Cache_Data\\data_1"},
    {kEdge, "Default\\Network\\Cookies"},
    {kEdge, "Default\\History"},
    {kFoxLocal, "cache2\\entries\\0A1B"},
    {kFox, "cookies.sqlite"},
    {kFox, "sessionstore.jsonlz4"},
    {kFox, "sessionstore-backups\\recovery.jsonlz4"},
    {kFox, "formhistory.sqlite"},
    {kRecent, "report.docx.lnk"},
    {kRecent, "AutomaticDestinations\\5f7b.ms"},
    {kRecent, "CustomDestinations\\9b9c.ms"},
    {"Local\\Microsoft\\Windows\\Explorer\\", "thumbcache_256.db"},
    {"Local\\Temp\\", "setup.log"},
    {"Local\\Temp\\", "sub\\x.tmp"},
    {"WINDOWS\\Temp\\", "update.tmp"},
};

constexpr Trace kKept[] = {
    {kChrome, "Default\\Login Data"},
    {kChrome, "Default\\Bookmarks"},
    {kChrome, "Default\\Preferences"},
    {kChrome, "Default\\Extensions\\abc\\manifest.json"},
    {kChrome, "Profile 1\\Login Data"},
    {kChrome, "Local State"},
    {kEdge, "Default\\Login Data"},
    {kEdge, "Default\\Bookmarks"},
    {kFox, "logins.json"},
    {kFox, "key4.db"},
    {kFox, "places.sqlite"},
    {kFox, "prefs.js"},
    {kFox, "extensions\\ext@x.xpi"},
    {kFox, "bookmarkbackups\\b.jsonlz4"},
    {kRecent, "desktop.ini"},
    {"Local\\Microsoft\\Windows\\Explorer\\", "iconcache_16.db"},
    {"Documents\\", "report.docx"},
};

std::string Path(const Trace& trace) {
  return std::string(trace.base) + trace.rest;
}

class PluginPackTest : public testing::PluginTest {
 protected:
  void SetUp() override {
    ShellFolders({{"Local AppData", "Local"}, {"AppData", "Roaming"}});
    system.environment = {{"TEMP", At("Local\\Temp")}};
    for (const std::span<const Trace> traces :
         {std::span<const Trace>(kErased), std::span<const Trace>(kKept)})
      for (const Trace& trace : traces)
        Make(Path(trace), "bytes of " + Path(trace));
    Reg("[" + std::string(kExplorerReg) + "\\RecentDocs]\r\n\"MRUListEx\"=\"0\"\r\n[" +
        std::string(kExplorerReg) + "\\TypedPaths]\r\n\"url1\"=\"C:\\\\Secret\"\r\n[" +
        std::string(kExplorerReg) + "\\RunMRU]\r\n\"a\"=\"regedit\\\\1\"\r\n[" +
        std::string(kExplorerReg) + "\\ComDlg32\\OpenSavePidlMRU\\docx]\r\n\"0\"=\"x\"\r\n[" +
        std::string(kExplorerReg) + "\\Advanced]\r\n\"QuellornKept\"=\"yes\"\r\n");
    // Every item of the pack, ticked.
    for (const std::string& name : testing::FixtureNames("dist/plugins/")) {
      std::string text = testing::Fixture(name);
      text.replace(text.find("Selected = 1"), 12, "Selected = 0");
      machine.WriteFile(ProgramFile("plugins\\" + name.substr(13)), text);
      pack.push_back(ProgramFile("plugins\\" + name.substr(13)));
    }
  }
  void RunPack(EraseMode mode) {
    ctx.run.mode = mode;
    view.progress.clear();
    for (const std::string& item : pack)
      RunPluginItem(ctx, clsIniFile(os.files, item));
  }
  static std::string ExplorerKey(std::string_view below) {
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\" + std::string(below);
  }
  std::string Explorer(std::string_view below, std::string_view name) {
    return QueryValue(ctx, platform::kCurrentUser, ExplorerKey(below), name);
  }
  bool KeyExistsBelow(std::string_view below) {
    platform::RegKey key;
    return platform::RegKey::Open(os.registry, platform::kCurrentUser, ExplorerKey(below), key) ==
           platform::kSuccess;
  }

  // Every file below the folder.
  std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> files;
    auto listing = os.files.List(folder);
    for (platform::DirEntry entry; listing && listing->Next(entry);) {
      const std::string path = folder + "\\" + entry.name;
      if ((entry.attributes & platform::attr::kDirectory) == 0) {
        files.insert(path);
      } else {
        files.merge(Listing(path));
      }
    }
    return files;
  }

  std::vector<std::string> pack;
};

TEST_F(PluginPackTest, ItemsAreUnselectedWholeAndNamedForWhatTheyErase) {
  const auto names = testing::FixtureNames("dist/plugins/");
  ASSERT_GE(names.size(), 20u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string text = testing::Fixture(name);
    EXPECT_NE(text.find("\r\nSelected = 1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTitle = " + name.substr(13, name.size() - 16) + "\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Never touches"), std::string::npos);
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find("\r\n", start);
      const std::size_t equals = text.find('=', start);
      if (equals < end) {
        EXPECT_LE(end - equals - 1, 254u) << "a value the reader would cut";
      }
      start = end + 2;
    }
  }
}

// What the test run lists is exactly what the erase run takes; everything else stays, byte for
// byte.
TEST_F(PluginPackTest, TheEraseRunTakesExactlyWhatTheTestRunListed) {
  RunPack(EraseMode::kTest);
  std::set<std::string> listed;
  for (const std::string& line : view.progress)
    if (line.starts_with("Test Mode: Erasing ") && line.ends_with(" <OK>"))
      listed.insert(line.substr(19, line.size() - 24));
  const std::string keys = std::string(kExplorerReg) + "\\";
  std::set<std::string> expected{"Registry Key Value: C:\\Secret", "Registry Key Value: regedit\\1",
                                 "Registry Key: " + keys + "ComDlg32\\OpenSavePidlMRU",
                                 "Registry Key: " + keys + "RecentDocs"};
  for (const Trace& trace : kErased)
    expected.insert(At(Path(trace)));
  EXPECT_EQ(listed, expected);
  for (const Trace& trace : kErased)
    EXPECT_TRUE(Exists(Path(trace))) << "a test run erases nothing";

  const std::set<std::string> before = Listing(machine.root());
  RunPack(EraseMode::kErase);
  std::set<std::string> gone;
  std::ranges::set_difference(before, Listing(machine.root()), std::inserter(gone, gone.end()));
  std::set<std::string> erased;
  for (const Trace& trace : kErased)
    erased.insert(At(Path(trace)));
  EXPECT_EQ(gone, erased);
  for (const Trace& trace : kKept)
    EXPECT_EQ(Read(Path(trace)), "bytes of " + Path(trace)) << Path(trace);
  EXPECT_EQ(Explorer("TypedPaths", "url1"), kReadFailed);
  EXPECT_EQ(Explorer("RunMRU", "a"), kReadFailed);
  EXPECT_FALSE(KeyExistsBelow("RecentDocs"));
  EXPECT_FALSE(KeyExistsBelow("ComDlg32\\OpenSavePidlMRU"));
  EXPECT_TRUE(KeyExistsBelow("ComDlg32"));
  EXPECT_EQ(Explorer("Advanced", "QuellornKept"), "yes");
}

}  // namespace
}  // namespace quellorn
