#include "erasers/ie_erasers.h"
#include "erasers/windows_erasers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text_util.h"
#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"
#include "support/xp_hive.h"

namespace quellorn {
namespace {

using Lines = std::vector<std::string>;
using platform::kCurrentUser;

constexpr std::string_view kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kFirefox = "http://firefox.com/";
constexpr const char* kMicrosoft = "http://go.microsoft.com/fwlink/?LinkId=69157";

// The real XP user's shell folders and typed addresses, his profile below the root.
class IeErasersTest : public testing::ProfileTest {
 protected:
  IeErasersTest() {
    machine.LoadReg(testing::XpUserKeys({testing::kXpShellFolders, testing::kXpTypedUrls}));
    ctx.run.mode = EraseMode::kErase;
  }
  std::string Line(std::string_view text) {
    return std::string(ctx.erasing() ? "" : "Test Mode: ") + std::string(text);
  }
  std::string Erasing(std::string_view relative) {
    return Line("Erasing " + At(relative) + " <OK>");
  }
  std::string Typed(const std::string& name) {
    return QueryValue(ctx, kCurrentUser, kTypedUrls, name);
  }
};

TEST_F(IeErasersTest, TypedAddressesWithoutAKeepListAllGo) {
  EraseTypedUrls(ctx);
  const Lines lines = {"Erasing Registry Key Value: http://firefox.com/ <OK>",
                       "Erasing Registry Key Value: " + std::string(kMicrosoft) + " <OK>"};
  EXPECT_EQ(view.progress, lines);
  EXPECT_EQ(Log(), lines[0] + "\r\n" + lines[1] + "\r\n");
  EXPECT_EQ(ctx.run.totals.registryKeys, 2);
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, kTypedUrls), "");
}

TEST_F(IeErasersTest, AnAddressWhoseDeletionFailsIsNeitherCountedNorReported) {
  faults.failingCall = {testing::CallKind::kRegDelete, 1};
  EraseTypedUrls(ctx);
  EXPECT_EQ(view.progress,
            Lines{"Erasing Registry Key Value: " + std::string(kMicrosoft) + " <OK>"});
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
  EXPECT_EQ(Typed("url1"), kFirefox);
}

TEST_F(IeErasersTest, KeptAddressesComeBackInKeepListOrder) {
  machine.WriteFile(ProgramFile("Url.txt"), "http://example.org/\r\nhttp://firefox.com/\r\n");
  EraseTypedUrls(ctx);
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, kTypedUrls), "url1,url2,");
  EXPECT_EQ(Typed("url1"), "http://example.org/");
  EXPECT_EQ(Typed("url2"), kFirefox);
  EXPECT_EQ(view.progress,
            Lines{"Erasing Registry Key Value: " + std::string(kMicrosoft) + " <OK>"});
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
}

TEST_F(IeErasersTest, KeepEntriesMatchInTheirLetterCaseAndBlankLinesKeepTheirNumber) {
  machine.WriteFile(ProgramFile("url.txt"),
                    "HTTP://FIREFOX.COM/\r\n\r\n" + std::string(kMicrosoft) + "\r\n");
  EraseTypedUrls(ctx);
  EXPECT_EQ(view.progress, Lines{"Erasing Registry Key Value: http://firefox.com/ <OK>"});
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, kTypedUrls), "url1,url2,url3,");
  EXPECT_EQ(Typed("url1"), "HTTP://FIREFOX.COM/");
  EXPECT_EQ(Typed("url2"), "");
  EXPECT_EQ(Typed("url3"), kMicrosoft);
}

// Kept addresses that must swap places: wherever a write fails, every one is still there.
TEST_F(IeErasersTest, NoWriteThatFailsLosesAKeptAddress) {
  machine.WriteFile(ProgramFile("Url.txt"),
                    std::string(kMicrosoft) + "\r\n" + kFirefox + "\r\nhttp://example.org/\r\n");
  for (int n = 1;; ++n) {
    ASSERT_LE(n, 8) << "some write fails in every run";
    const std::string key = "HKEY_CURRENT_USER\\" + std::string(kTypedUrls) + "]\r\n";
    Reg("[-" + key + "\r\n[" + key + "\"url1\"=\"" + kFirefox + "\"\r\n\"url2\"=\"" + kMicrosoft +
        "\"\r\n");
    faults.failingCall = {testing::CallKind::kRegSet, n};
    faults.calls = {};
    faults.failedCalls = 0;
    EraseTypedUrls(ctx);
    const std::string values = EnumValues(ctx, kCurrentUser, kTypedUrls);
    Lines held;
    for (const std::string& name : SplitText(values, ","))
      if (!name.empty()) held.push_back(Typed(name));
    for (const char* kept : {kFirefox, kMicrosoft})
      EXPECT_NE(std::find(held.begin(), held.end(), kept), held.end()) << n << " " << kept;
    if (faults.failedCalls > 0) continue;
    EXPECT_EQ(values, "url1,url2,url3,");
    EXPECT_EQ(held, (Lines{kMicrosoft, kFirefox, "http://example.org/"}));
    break;
  }
}

// The user's and the Windows folder's cookies, cache, history and temporary files, and the
// user's recent documents.
class TracesTest : public IeErasersTest {
 protected:
  static constexpr const char* kContent =
      "joe\\Local Settings\\Temporary Internet Files\\Content.IE5";
  static constexpr const char* kHistory = "joe\\Local Settings\\History\\History.IE5";
  static constexpr const char* kClosing = "Erasing Internet Cache Files < OK > ";
  TracesTest() {
    machine.WriteFile(ProgramFile("Cookies.txt"), "joe@bank[1].txt\r\n");
    Make("joe\\Cookies\\joe@ads[1].txt", std::string(1024, 'a'));
    Make("joe\\Cookies\\joe@bank[1].txt", "session");
    Make("joe\\Cookies\\index.dat", std::string(16384, 'i'));
    Make("WINDOWS\\cookies\\joe@old[1].txt", std::string(512, 'o'));
    Make(std::string(kContent) + "\\index.dat", std::string(2048, 'i'));
    Make(std::string(kContent) + "\\ABCD1234\\page[1].htm", std::string(1024, 'p'));
    Make(std::string(kContent) + "\\ABCD1234\\logo[1].gif", std::string(512, 'g'));
    Make("WINDOWS\\Temporary Internet Files\\Content.IE5\\WXYZ\\old[1].htm", std::string(512, 'o'));
    Make(std::string(kHistory) + "\\index.dat", std::string(32768, 'h'));
    Make(std::string(kHistory) + "\\MSHist012024030420240305\\index.dat", std::string(16384, 'd'));
    Make(std::string(kHistory) + "\\MSHist012024030420240305\\visit.url", "http://example.org/");
    Make("WINDOWS\\history\\old.url", "http://old.example/");
    Make("joe\\Local Settings\\Temp\\a.tmp");
    Make("WINDOWS\\temp\\install.log");
    Make("joe\\Recent\\letter.lnk");
  }
};

TEST_F(TracesTest, KeptCookiesAndTheIndexStay) {
  EraseIECookies(ctx);
  EXPECT_EQ(view.progress, (Lines{Erasing("joe\\Cookies\\joe@ads[1].txt"),
                                  Erasing("WINDOWS\\cookies\\joe@old[1].txt")}));
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 1.5f);
  EXPECT_FALSE(Exists("joe\\Cookies\\joe@ads[1].txt"));
  EXPECT_FALSE(Exists("WINDOWS\\cookies\\joe@old[1].txt"));
  EXPECT_EQ(Read("joe\\Cookies\\joe@bank[1].txt"), "session");
  EXPECT_EQ(Read("joe\\Cookies\\index.dat"), std::string(16384, 'i'));
}

TEST_F(TracesTest, CookieThatCannotGoIsNotCounted) {
  Lock("joe\\Cookies\\joe@ads[1].txt");
  EraseIECookies(ctx);
  EXPECT_EQ(view.progress, Lines{Erasing("WINDOWS\\cookies\\joe@old[1].txt")});
  EXPECT_EQ(ctx.run.totals.files, 1);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 0.5f);
}

// An unreadable keep list is no empty one: all it may keep stays, and the run says why.
TEST_F(TracesTest, KeepListThatCannotBeReadLeavesItsTracesAlone) {
  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=\"$ROOT\\\\IE\"\r\n");
  Make("IE\\PLUGINS\\npqtplugin.dll");
  const std::pair<const char*, void (*)(Context&)> cases[] = {{"Url.txt", EraseTypedUrls},
                                                              {"Cookies.txt", EraseIECookies},
                                                              {"Plugins.txt", EraseIEPlugins}};
  for (EraseMode mode : {EraseMode::kTest, EraseMode::kErase}) {
    ctx.run.mode = mode;
    for (const auto& [keepList, erase] : cases) {
      machine.WriteFile(ProgramFile(keepList), "kept\r\n");
      faults.unopenable = {ProgramFile(keepList)};
      view.progress.clear();
      erase(ctx);
      const std::string line = Line("Could not read " + ProgramFile(keepList) +
                                    ": kept entries are left alone <Failed>");
      EXPECT_EQ(view.progress, Lines{line});
      EXPECT_TRUE(Log().ends_with(line + "\r\n"));
    }
  }
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, kTypedUrls), "url1,url2,");
  for (const char* kept : {"joe\\Cookies\\joe@ads[1].txt", "WINDOWS\\cookies\\joe@old[1].txt",
                           "IE\\PLUGINS\\npqtplugin.dll"})
    EXPECT_TRUE(Exists(kept)) << kept;
  EXPECT_EQ(ctx.run.totals.files, 0);
}

TEST_F(TracesTest, SecureEraseShowsEveryFileAndRemovesTheCacheFolders) {
  EraseIECache(ctx);
  EXPECT_EQ(ctx.run.totals.files, 4);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 4.0f);
  EXPECT_EQ(view.progress.size(), 7u);  // four files, two folders, the closing line
  EXPECT_EQ(view.progress.back(), kClosing);
  EXPECT_TRUE(Log().ends_with(std::string(kClosing) + "\r\n"));
  EXPECT_TRUE(Exists(kContent));
  EXPECT_FALSE(Exists(std::string(kContent) + "\\ABCD1234"));
  EXPECT_FALSE(Exists("WINDOWS\\Temporary Internet Files\\Content.IE5\\WXYZ"));
}

TEST_F(TracesTest, PlainDeleteCountsAllButTheIndexAndErasesQuietly) {
  ctx.settings.antirecover = 1;
  EraseIECache(ctx);
  EXPECT_EQ(ctx.run.totals.files, 3);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 2.0f);
  EXPECT_EQ(view.progress, Lines{kClosing});
  EXPECT_FALSE(Exists(std::string(kContent) + "\\ABCD1234"));
  EXPECT_FALSE(Exists("WINDOWS\\Temporary Internet Files\\Content.IE5"));
}

// Their closing lines, which differ from the logged ones in their blanks, come also without any
// folder to erase.
TEST_F(TracesTest, CacheAndTempClosingLinesAlsoWithoutAnyFolder) {
  ShellFolders({{"Cache", "nowhere"}, {"History", "nowhere\\History"}});
  system.windowsFolder = At("NOWINDOWS");
  ctx.run.mode = EraseMode::kTest;
  EraseIECache(ctx);
  EraseWindowsTemp(ctx);
  EXPECT_EQ(view.progress, (Lines{Line(kClosing), Line("Erased Windows Temp Files <OK>")}));
  EXPECT_EQ(Log(), Line(kClosing) + "\r\n" + Line("Erased Windows Temp Files < OK > \r\n"));
}

// The history files go quietly; only the cleaned index files, which Windows keeps open, are
// reported.
TEST_F(TracesTest, HistoryGoesQuietlyAndItsIndexFilesAreCleaned) {
  // Windows holds the index files open: they can be written, not removed.
  for (const std::string& path :
       {std::string(kHistory), std::string(kHistory) + "\\index.dat",
        std::string(kHistory) + "\\MSHist012024030420240305",
        std::string(kHistory) + "\\MSHist012024030420240305\\index.dat"}) {
    faults.undeletable.insert(At(path));
    faults.unrenamable.insert(At(path));
  }
  ctx.settings.antirecover = 1;
  EraseIEHistory(ctx);
  EXPECT_FALSE(Exists(std::string(kHistory) + "\\MSHist012024030420240305\\visit.url"));
  EXPECT_FALSE(Exists("WINDOWS\\history\\old.url"));
  EXPECT_EQ(Read(std::string(kHistory) + "\\index.dat"), std::string(32768, '\0'));
  EXPECT_EQ(Read(std::string(kHistory) + "\\MSHist012024030420240305\\index.dat"),
            std::string(16384, '\0'));
  EXPECT_EQ(SortedProgress(), (Lines{"Cleaning Index File: " + At(kHistory) +
                                         "\\MSHist012024030420240305\\index.dat <OK>",
                                     "Cleaning Index File: " + At(kHistory) + "\\index.dat <OK>"}));
  EXPECT_EQ(ctx.run.totals.files, 0);
}

// Without its Shell Folders value an eraser leaves the user's traces alone; the Windows folder's
// cache and history still go, its cookies and temporary files do not.
TEST_F(TracesTest, WithoutTheirShellFolderValueTheUsersTracesStay) {
  const struct {
    const char* value;
    void (*erase)(Context&);
    std::string kept, windowsTrace;
    bool windowsTraceGoes;
  } cases[] = {
      {"Cookies", EraseIECookies, "joe\\Cookies\\joe@ads[1].txt",
       "WINDOWS\\cookies\\joe@old[1].txt", false},
      {"Cache", EraseIECache, std::string(kContent) + "\\ABCD1234\\page[1].htm",
       "WINDOWS\\Temporary Internet Files\\Content.IE5\\WXYZ\\old[1].htm", true},
      {"History", EraseIEHistory, std::string(kHistory) + "\\MSHist012024030420240305\\visit.url",
       "WINDOWS\\history\\old.url", true},
      {"History", EraseWindowsTemp, "joe\\Local Settings\\Temp\\a.tmp",
       "WINDOWS\\temp\\install.log", false},
      {"Recent", EraseRecentDocuments, "joe\\Recent\\letter.lnk", "WINDOWS\\temp\\install.log",
       false},
  };
  for (const auto& c : cases) {
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
      ShellFolders({{c.value, value}});
      c.erase(ctx);
      EXPECT_TRUE(Exists(c.kept)) << c.value;
      EXPECT_EQ(Exists(c.windowsTrace), !c.windowsTraceGoes) << c.value;
    }
  }
  for (const std::string& line : view.progress)
    EXPECT_EQ(line.find(At("joe")), std::string::npos) << line;
}

TEST_F(IeErasersTest, PluginsGoUnlessKept) {
  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=\"$ROOT\\\\IE\"\r\n");
  machine.WriteFile(ProgramFile("Plugins.txt"), "npdsplay.dll\r\n");
  Make("IE\\PLUGINS\\npdsplay.dll", "kept");
  Make("IE\\PLUGINS\\npqtplugin.dll", std::string(2048, 'q'));
  EraseIEPlugins(ctx);
  EXPECT_EQ(view.progress, Lines{"Erasing " + At("IE\\PlUGINS\\npqtplugin.dll") + " <OK>"});
  EXPECT_FALSE(Exists("IE\\PLUGINS\\npqtplugin.dll"));
  EXPECT_EQ(Read("IE\\PLUGINS\\npdsplay.dll"), "kept");
  EXPECT_EQ(ctx.run.totals.files, 1);

  Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\IE Setup\\Setup]\r\n\"Path\"=-\r\n");
  Make("IE\\PLUGINS\\another.dll");
  EraseIEPlugins(ctx);
  EXPECT_TRUE(Exists("IE\\PLUGINS\\another.dll"));
}

}  // namespace
}  // namespace quellorn
