#include "ui/options_window.h"

#include <gtest/gtest.h>

#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"
#include "ui/home_page_repair.h"

namespace quellorn {
namespace {

using platform::kCurrentUser;
using platform::kLocalMachine;
using ui::OptionsBox;
using ui::OptionsWindow;

constexpr std::string_view kRun = OptionsWindow::kRunKey;
constexpr std::string_view kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kRunReg[] = "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run]\r\n";
constexpr char kIeReg[] = "Software\\\\Microsoft\\\\Internet Explorer\\\\Main]\r\n";

class OptionsWindowTest : public testing::ProfileTest {
 protected:
  std::string Value(platform::RegHandle root, std::string_view key, std::string_view name) {
    return QueryValue(ctx, root, key, name);
  }
  std::string General(std::string_view name) {
    return ctx.settingsFile.GetSetting("General", name);
  }
  // Run keys of both roots holding these entries ("" for a key with no values).
  void RunEntries(std::string_view user, std::string_view machine) {
    Reg(std::string("[-HKEY_CURRENT_USER\\") + kRunReg + "[HKEY_CURRENT_USER\\" + kRunReg +
        std::string(user) + "\r\n[-HKEY_LOCAL_MACHINE\\" + kRunReg + "[HKEY_LOCAL_MACHINE\\" +
        kRunReg + std::string(machine) + "\r\n");
  }
  OptionsWindow Loaded() {
    OptionsWindow window(ctx);
    window.Load();
    return window;
  }
};

TEST_F(OptionsWindowTest, TriggerBoxesShowAutoeraseAndOkWritesThemBack) {
  struct Case {
    std::int16_t autoerase;
    bool start, shutdown, browser;
  };
  for (const Case& c : {Case{5, true, false, true}, Case{8, false, false, false},
                        Case{0, false, false, false}, Case{7, true, true, true}}) {
    ctx.settings.Autoerase = c.autoerase;
    OptionsWindow window = Loaded();
    EXPECT_EQ(window.checked(OptionsBox::kWindowsStartUp), c.start) << c.autoerase;
    EXPECT_EQ(window.checked(OptionsBox::kWindowsShutdown), c.shutdown) << c.autoerase;
    EXPECT_EQ(window.checked(OptionsBox::kBrowserShutdown), c.browser) << c.autoerase;
    window.OnOk();
    EXPECT_EQ(General("autoerase"), std::to_string(c.autoerase & 7)) << c.autoerase;
  }
  OptionsWindow window = Loaded();
  window.OnBoxClick(OptionsBox::kWindowsStartUp, false);
  window.OnBoxClick(OptionsBox::kWindowsShutdown, true);
  window.OnOk();
  EXPECT_EQ(General("autoerase"), "6");
  EXPECT_TRUE(window.closed());
}

// OK writes the settings in a fixed order, raises no passes to one, and writes the confirmation
// setting beside them; the guard setting waits for Apply.
TEST_F(OptionsWindowTest, OkWritesTheSettingsInOrder) {
  machine.WriteFile(ProgramFile("settings.dat"), "[General]\r\nWarning=1\r\n");
  ctx.settings.homepageprotect = 1;
  ctx.settings.ErasePerTime = 1;
  OptionsWindow window = Loaded();
  EXPECT_FALSE(window.checked(OptionsBox::kAskBeforeErasing));
  EXPECT_FALSE(window.timeEnabled());
  window.OnBoxClick(OptionsBox::kAskBeforeErasing, true);
  window.OnBoxClick(OptionsBox::kHomepageProtect, true);
  window.OnBoxClick(OptionsBox::kRunPerTime, true);
  window.OnTimeClick(4);
  window.OnLogClick(3);
  window.OnOverwriteChange("many");
  window.OnOk();
  EXPECT_EQ(machine.ReadFile(ProgramFile("settings.dat")),
            "[General]\r\nWarning=0\r\nAutorun=0\r\nAntiRecover=0\r\nOverWriteTimes=1\r\n"
            "stealth=0\r\nbosskey=0\r\nresultwin=0\r\nclearlog=3\r\nautoerase=0\r\n"
            "erasepertime=0\r\nerasetime=5\r\n");
  EXPECT_EQ(ctx.settings.OverWriteTimes, 1);
  EXPECT_TRUE(ctx.settings.HomePageProtected()) << "on for the running program";
}

// The start-up entry goes under the machine's root on Windows 95 and the user's elsewhere, with
// the program's path quoted; the user's Run key is made when it is missing.
TEST_F(OptionsWindowTest, OkWritesOrDeletesTheStartUpEntry) {
  const std::string entry = "\"" + programFolder + "\\quellorn.exe\" min";
  struct Case {
    const char* version;
    bool autorun;
    platform::RegHandle root;
  };
  for (const Case& c : {Case{"xp", true, kCurrentUser}, Case{"xp", false, kCurrentUser},
                        Case{"95", true, kLocalMachine}, Case{"95", false, kLocalMachine}}) {
    RunEntries("\"Quellorn\"=\"old\"", "\"Quellorn\"=\"old\"");
    if (c.root == kCurrentUser && c.autorun) Reg(std::string("[-HKEY_CURRENT_USER\\") + kRunReg);
    ctx.windowsVersion = c.version;
    OptionsWindow window = Loaded();
    window.OnBoxClick(OptionsBox::kAutorun, c.autorun);
    window.OnOk();
    const platform::RegHandle other = c.root == kCurrentUser ? kLocalMachine : kCurrentUser;
    EXPECT_EQ(Value(c.root, kRun, "Quellorn"), c.autorun ? entry : kReadFailed) << c.version;
    EXPECT_EQ(Value(other, kRun, "Quellorn"), "old") << c.version;
    EXPECT_EQ(ctx.run.mode, EraseMode::kNone);
  }
}

TEST_F(OptionsWindowTest, ApplySetsThePagesAndRemovesStartUpEntriesThatOpenPages) {
  Reg(std::string("[HKEY_CURRENT_USER\\") + kIeReg + "\"Start Page\"=\"http://bad.example/\"\r\n" +
      "[HKEY_LOCAL_MACHINE\\" + kIeReg + "\"Window Title\"=\"Bad\"\r\n");
  RunEntries(
      "\"Page\"=\"iexplore HTTP://ads.example\"\r\n\"Tool\"=\"C:\\\\tool.exe /q\"",
      "\"Lock\"=\"REGEDIT /s lock.reg\"\r\n\"Doc\"=\"file://c:/x.htm\"\r\n\"Av\"=\"av.exe\"");
  ctx.settings.homepageprotect = 0;
  OptionsWindow window = Loaded();
  EXPECT_EQ(window.homepage(), "http://bad.example/");
  EXPECT_EQ(window.windowTitle(), "Bad");
  window.OnHomepageChange("http://home.example/");
  window.OnApply();
  for (const platform::RegHandle root : {kCurrentUser, kLocalMachine}) {
    EXPECT_EQ(Value(root, kIeMain, "Start Page"), "http://home.example/");
    EXPECT_EQ(Value(root, kIeMain, "Default_Page_URL"), "http://home.example/");
    EXPECT_EQ(Value(root, kIeMain, "Search Page"), ui::kDefaultSearchPage);
  }
  EXPECT_EQ(Value(kCurrentUser, kRun, "Page"), kReadFailed);
  EXPECT_EQ(Value(kCurrentUser, kRun, "Tool"), "C:\\tool.exe /q");
  EXPECT_EQ(Value(kLocalMachine, kRun, "Lock"), kReadFailed);
  EXPECT_EQ(Value(kLocalMachine, kRun, "Doc"), kReadFailed);
  EXPECT_EQ(Value(kLocalMachine, kRun, "Av"), "av.exe");
  EXPECT_EQ(General("homepageprotect"), "0");
  EXPECT_EQ(ctx.homePage, "http://home.example/");
  EXPECT_FALSE(window.closed());
}

// An empty or unreadable Run key of the user stops the sweeps, but the page is still remembered
// and the erase mode put back.
TEST_F(OptionsWindowTest, ApplyWithoutUserStartUpEntriesStillRemembersThePage) {
  for (const bool unreadable : {false, true}) {
    RunEntries("", "\"Doc\"=\"file://c:/x.htm\"");
    Reg(std::string("[HKEY_CURRENT_USER\\") + kIeReg);
    if (unreadable) faults.unopenableKeys.insert(std::string(kRun));
    ctx.run.mode = EraseMode::kTest;
    ctx.homePage.clear();
    OptionsWindow window = Loaded();
    window.OnUseBlank();
    window.OnApply();
    EXPECT_EQ(Value(kCurrentUser, kIeMain, "Start Page"), "about:blank");
    faults.unopenableKeys.clear();
    EXPECT_EQ(Value(kLocalMachine, kRun, "Doc"), "file://c:/x.htm") << unreadable;
    EXPECT_EQ(ctx.homePage, "about:blank") << unreadable;
    EXPECT_EQ(ctx.run.mode, EraseMode::kTest) << unreadable;
  }
}

TEST_F(OptionsWindowTest, UseBlankThenCancelChangesNothing) {
  Reg(std::string("[HKEY_CURRENT_USER\\") + kIeReg + "\"Start Page\"=\"http://mine.example/\"\r\n");
  OptionsWindow window = Loaded();
  window.OnUseBlank();
  EXPECT_EQ(window.homepage(), "about:blank");
  EXPECT_EQ(window.windowTitle(), "");
  window.OnCancel();
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(Value(kCurrentUser, kIeMain, "Start Page"), "http://mine.example/");
  EXPECT_FALSE(os.files.Exists(ProgramFile("settings.dat")));
  EXPECT_EQ(ctx.homePage, "");
}

}  // namespace
}  // namespace quellorn
