#include "erasers/windows_erasers.h"

#include <gtest/gtest.h>

#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"
#include "support/xp_hive.h"

namespace quellorn {
namespace {

namespace attr = platform::attr;
using platform::kCurrentUser;

constexpr std::string_view kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kBars =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";

class WinApiTest : public testing::ProfileTest {
 protected:
  WinApiTest() { ctx.run.mode = EraseMode::kErase; }
  std::string Values(std::string_view key) { return EnumValues(ctx, kCurrentUser, key); }
  static std::string Sub(std::string_view name) {
    return std::string(kExplorer) + "\\" + std::string(name);
  }
};

TEST_F(WinApiTest, RecentDocumentsLoseEveryFileButKeepTheirFolders) {
  machine.LoadReg(testing::XpUserKeys({testing::kXpShellFolders}));
  Make("joe\\Recent\\letter.lnk", std::string(1024, 'l'));
  Make("joe\\Recent\\Old\\notes.lnk", std::string(512, 'n'));
  EraseRecentDocuments(ctx);
  EXPECT_EQ(ctx.run.totals.files, 2);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 1.5f);
  EXPECT_FALSE(Exists("joe\\Recent\\letter.lnk"));
  EXPECT_FALSE(Exists("joe\\Recent\\Old\\notes.lnk"));
  EXPECT_TRUE(Exists("joe\\Recent\\Old"));
  EXPECT_EQ(SortedProgress(),
            (std::vector<std::string>{"Erasing " + At("joe\\Recent\\Old\\notes.lnk") + " <OK>",
                                      "Erasing " + At("joe\\Recent\\letter.lnk") + " <OK>"}));
}

// Windows 95 and 98 keep the find history under other keys than the newer systems.
TEST_F(WinApiTest, FindHistoryClearsTheKeysOfTheRunningSystem) {
  const std::vector<std::string> older = {Sub("Doc Find Spec MRU"), Sub("FindComputerMRU")};
  const std::vector<std::string> newer = {kBars + "\\ComputerNameMRU",
                                          kBars + "\\ContainingTextMRU", kBars + "\\filesNamedMRU"};
  const struct {
    const char* version;
    bool older;
  } cases[] = {{"95", true}, {"98", true}, {"xp", false}, {"2000", false}, {"", false}};
  for (const auto& c : cases) {
    std::string body;
    int n = 0;
    for (const auto* keys : {&older, &newer}) {
      for (const std::string& key : *keys) {
        body +=
            "[HKEY_CURRENT_USER\\" + key + "]\r\n\"a\"=\"search " + std::to_string(++n) + "\"\r\n";
      }
    }
    Reg(body);
    view.progress.clear();
    ctx.windowsVersion = c.version;
    EraseFindHistory(ctx);
    for (const std::string& key : older)
      EXPECT_EQ(Values(key), c.older ? "" : "a,") << c.version << key;
    for (const std::string& key : newer)
      EXPECT_EQ(Values(key), c.older ? "a," : "") << c.version << key;
    const std::vector<std::string> expected =
        c.older ? std::vector<std::string>{"Erasing Registry Key Value: search 1 <OK>",
                                           "Erasing Registry Key Value: search 2 <OK>"}
                : std::vector<std::string>{"Erasing Registry Key Value: search 3 <OK>",
                                           "Erasing Registry Key Value: search 4 <OK>",
                                           "Erasing Registry Key Value: search 5 <OK>"};
    EXPECT_EQ(view.progress, expected) << c.version;
  }
}

TEST_F(WinApiTest, RunHistoryShowsTheCommandsItErases) {
  Reg("[HKEY_CURRENT_USER\\" + Sub("RunMRU") +
      "]\r\n\"a\"=\"regedit\\\\1\"\r\n\"b\"=\"cmd\\\\1\"\r\n\"MRUList\"=\"ba\"\r\n");
  EraseRunHistory(ctx);
  EXPECT_EQ(Values(Sub("RunMRU")), "");
  EXPECT_EQ(ctx.run.totals.registryKeys, 3);
  EXPECT_EQ(Log(),
            "Erasing Registry Key Value: regedit\\1 <OK>\r\n"
            "Erasing Registry Key Value: cmd\\1 <OK>\r\n"
            "Erasing Registry Key Value: ba <OK>\r\n");
}

class WindowsTempTest : public WinApiTest {
 protected:
  WindowsTempTest() { machine.LoadReg(testing::XpUserKeys({testing::kXpShellFolders})); }
};

TEST_F(WindowsTempTest, BothTempFoldersAreEmptied) {
  Make("joe\\Local Settings\\Temp\\~setup.tmp", std::string(2048, 't'));
  Make("joe\\Local Settings\\Temp\\unpacked\\file.cab", "cab");
  Make("WINDOWS\\temp\\install.log", "log");
  Make("WINDOWS\\temp\\sub\\x.tmp", "x");
  EraseWindowsTemp(ctx);
  EXPECT_TRUE(Exists("joe\\Local Settings\\Temp"));
  for (const char* gone :
       {"joe\\Local Settings\\Temp\\~setup.tmp", "joe\\Local Settings\\Temp\\unpacked",
        "WINDOWS\\temp\\install.log", "WINDOWS\\temp\\sub"})
    EXPECT_FALSE(Exists(gone)) << gone;
  EXPECT_EQ(ctx.run.totals.files, 4);
  ASSERT_NE(std::find(view.progress.begin(), view.progress.end(),
                      "Erasing Folder " + At("joe\\Local Settings\\Temp\\unpacked") + " <OK>"),
            view.progress.end());
  // The two closing lines differ in their blanks.
  EXPECT_EQ(view.progress.back(), "Erased Windows Temp Files <OK>");
  EXPECT_TRUE(Log().ends_with("Erased Windows Temp Files < OK > \r\n")) << Log();
}

TEST_F(WindowsTempTest, WindowsTempWithoutAPlainFileIsLeftAlone) {
  Make("WINDOWS\\temp\\hidden.tmp");
  ASSERT_EQ(os.files.SetAttributes(At("WINDOWS\\temp\\hidden.tmp"), attr::kHidden),
            platform::kSuccess);
  Make("WINDOWS\\temp\\sub\\inner.tmp");
  EraseWindowsTemp(ctx);
  EXPECT_TRUE(Exists("WINDOWS\\temp\\hidden.tmp"));
  EXPECT_TRUE(Exists("WINDOWS\\temp\\sub\\inner.tmp"));
  EXPECT_EQ(ctx.run.totals.files, 0);
  EXPECT_EQ(view.progress, std::vector<std::string>{"Erased Windows Temp Files <OK>"});
}

class OpenSaveTest : public WinApiTest {
 protected:
  // From an empty dialog history: a real open dialog run before may have left its own.
  OpenSaveTest() {
    Reg("[-HKEY_CURRENT_USER\\" + Sub("ComDlg32") + "]\r\n[HKEY_CURRENT_USER\\" +
        Sub("ComDlg32\\LastVisitedMRU") +
        "]\r\n\"a\"=\"notepad.exe\"\r\n"
        "[HKEY_CURRENT_USER\\" +
        Sub("ComDlg32\\OpenSaveMRU\\*") +
        "]\r\n\"a\"=\"C:\\\\letter.txt\"\r\n"
        "[HKEY_CURRENT_USER\\" +
        Sub("ComDlg32\\OpenSaveMRU\\txt") + "]\r\n\"a\"=\"C:\\\\notes.txt\"\r\n");
  }
  // As the run does for its item: the dialog history, then the visited folders once more.
  void RunItem() {
    EraseOpenSaveHistory(ctx);
    EraseLastVisited(ctx);
  }
};

// Older systems keep no dialog history.
TEST_F(OpenSaveTest, TestRunCountsTheVisitedFoldersTwiceAndTheEraseRunOnce) {
  for (const char* version : {"95", "98"}) {
    ctx.windowsVersion = version;
    RunItem();
  }
  EXPECT_EQ(ctx.run.totals.registryKeys, 0);
  EXPECT_EQ(Values(Sub("ComDlg32\\OpenSaveMRU\\*")), "a,");
  EXPECT_EQ(Values(Sub("ComDlg32\\LastVisitedMRU")), "a,");
  ctx.windowsVersion = "xp";
  ctx.run.mode = EraseMode::kTest;
  RunItem();
  EXPECT_EQ(view.progress,
            (std::vector<std::string>{"Test Mode: Erasing Registry Key Value: notepad.exe <OK>",
                                      "Test Mode: Erasing Registry Key Value: C:\\letter.txt <OK>",
                                      "Test Mode: Erasing Registry Key Value: C:\\notes.txt <OK>",
                                      "Test Mode: Erasing Registry Key Value: C:\\letter.txt <OK>",
                                      "Test Mode: Erasing Registry Key Value: notepad.exe <OK>"}));
  EXPECT_EQ(ctx.run.totals.registryKeys, 5);
  ctx.run.mode = EraseMode::kErase;
  RunItem();
  EXPECT_EQ(ctx.run.totals.registryKeys, 5 + 3)
      << "the erase run finds nothing left the second time";
  EXPECT_EQ(Values(Sub("ComDlg32\\OpenSaveMRU\\*")), "");
  EXPECT_EQ(Values(Sub("ComDlg32\\OpenSaveMRU\\txt")), "");
  EXPECT_EQ(Values(Sub("ComDlg32\\LastVisitedMRU")), "");
}

// A shell that remembers whether it was asked to empty the Recycle Bin instead of emptying the
// one bin that every test program of the machine shares.
class RecycleBinTest : public WinApiTest {
 protected:
  struct CountingShell : testing::FaultyShell {
    using FaultyShell::FaultyShell;
    platform::Status EmptyRecycleBin() override {
      ++emptied;
      return platform::kSuccess;
    }
    int emptied = 0;
  };
  CountingShell countingShell{shell, faults};
  platform::Platform countingOs{registry, files, countingShell, system, os.desktop};
  Context binCtx{countingOs, view, ctx.programFolder};
};

TEST_F(RecycleBinTest, OnlyAnEraseRunEmptiesTheBin) {
  binCtx.run.mode = EraseMode::kTest;
  EmptyRecycleBin(binCtx);
  EXPECT_EQ(countingShell.emptied, 0);
  binCtx.run.mode = EraseMode::kErase;
  EmptyRecycleBin(binCtx);
  EXPECT_EQ(countingShell.emptied, 1);
  EXPECT_EQ(view.progress, (std::vector<std::string>{"Test Mode: Clearing Windows Recycle Bin <OK>",
                                                     "Clearing Windows Recycle Bin <OK>"}));
  EXPECT_EQ(Log(),
            "Test Mode: Clearing Windows Recycle Bin: \r\n"
            "Test Mode: Clearing Windows Recycle Bin <OK>\r\n"
            "Clearing Windows Recycle Bin: \r\n"
            "Clearing Windows Recycle Bin <OK>\r\n");
  EXPECT_EQ(binCtx.run.totals.files, 0);
}

}  // namespace
}  // namespace quellorn
