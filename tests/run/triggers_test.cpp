#include "run/triggers.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/activity_log.h"
#include "primitives/registry_eraser.h"
#include "run/erase_runner.h"
#include "run/question_box.h"
#include "support/context_fixture.h"
#include "support/test_windows.h"

namespace quellorn {
namespace {

constexpr std::string_view kMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kRunStart = "-----------Start to Erase---";

// Answers every question alike; `whileOpen` runs while the box is up, as pumped timers would.
struct ScriptedQuestions : QuestionBox {
  bool yes = false;
  std::vector<std::string> asked;
  std::function<void()> whileOpen;
  bool AskYesNo(std::string_view title, std::string_view question) override {
    asked.push_back(std::string(title) + ": " + std::string(question));
    if (whileOpen) whileOpen();
    return yes;
  }
};

class TriggersTest : public testing::ContextTest {
 protected:
  TriggersTest() {
    // Nothing selected: the runs touch nothing but the log and settings.dat.
    ctx.settings.trackFlags.fill(1);
    ctx.settings.stealth = 1;
    ctx.settings.Resultwin = 1;
    ctx.settings.homepageprotect = 1;
    ctx.settings.ErasePerTime = 1;
  }
  std::string Log() { return machine.ReadFile(ProgramFile("syslog.txt")); }
  int Runs() {
    const std::string log = Log();
    int runs = 0;
    for (auto at = log.find(kRunStart); at != std::string::npos; at = log.find(kRunStart, at + 1))
      ++runs;
    return runs;
  }
  void Close(platform::WindowHandle window) {
    os.desktop.Post(window, platform::window_message::kClose, 0, 0);
    windows.Pump();
  }

  ScriptedQuestions questions;
  Triggers triggers{ctx, questions};
  testing::TestWindows windows{machine};
};

TEST_F(TriggersTest, StartUpAndShutdownEraseAsAutoeraseSays) {
  const std::string startUp = "Windows Startup Detected, Starting To Erase\r\n";
  const std::string shutdown = "Windows Shutdown Detected, Starting To Erase......\r\n";
  const struct {
    std::int16_t autoerase;
    bool atStartUp, atShutdown;
  } cases[] = {{5, true, false}, {2, false, true}, {0, false, false}, {7, true, true}};
  for (const auto& c : cases) {
    ctx.settings.Autoerase = c.autoerase;
    for (const bool start : {true, false}) {
      ClearLog(ctx);
      start ? triggers.WindowsStartUp() : triggers.QueryEndSession();
      const bool runs = start ? c.atStartUp : c.atShutdown;
      EXPECT_EQ(Runs(), runs ? 1 : 0) << c.autoerase;
      EXPECT_EQ(Log().starts_with((start ? startUp : shutdown) + std::string(kRunStart)), runs);
    }
  }
  EXPECT_EQ(view.confirmations, 0);
}

TEST_F(TriggersTest, ShutdownEmptiesTheLogAfterItsEraseAndMarksWindows98Ending) {
  ctx.settings.Autoerase = 2;
  ctx.settings.clearlog = 2;
  ctx.windowsVersion = "xp";
  triggers.QueryEndSession();
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(LastErased(ctx.settingsFile), "3/7/2024 1:05:09 PM") << "the erase ran first";
  EXPECT_FALSE(ctx.windows98Ending);
  ctx.windowsVersion = "98";
  triggers.QueryEndSession();
  EXPECT_TRUE(ctx.windows98Ending);
}

TEST_F(TriggersTest, PeriodicEraseIsDueOnceItsIntervalHasPassed) {
  // The clock stands at 3/7/2024 1:05:09 PM.
  const struct {
    const char* storedCode;  // "EraseTime" in settings.dat
    const char* lastErased;
    bool due;
  } cases[] = {
      {"6", "3/1/2024 1:05:09 PM", false},   {"6", "2/28/2024 1:05:09 PM", true},
      {"1", "3/7/2024 12:50:09 PM", false},  {"1", "3/7/2024 12:49:09 PM", true},
      {"1", "unknown value", true},          {"7", "2/7/2024 1:05:09 PM", false},
      {"7", "2/5/2024 1:05:09 PM", true},    {"2", "3/7/2024 12:36:09 PM", false},
      {"0", "3/6/2024 1:06:09 PM", false},   {"0", "3/6/2024 1:04:09 PM", true},
      {"12", "3/7/2024 12:05:09 PM", false}, {"3", "3/7/2024", true},
  };
  ctx.settings.ErasePerTime = 0;
  for (const auto& c : cases) {
    ctx.settingsFile.SaveSetting("General", "EraseTime", c.storedCode);
    ctx.settingsFile.SaveSetting("General", "LastErased", c.lastErased);
    ClearLog(ctx);
    triggers.ScheduleTimer();
    EXPECT_EQ(Runs(), c.due ? 1 : 0) << c.storedCode << " " << c.lastErased;
  }
  triggers.ScheduleTimer();
  EXPECT_EQ(Runs(), 1) << "the run restarts the interval";
  ctx.settings.ErasePerTime = 1;  // off
  ctx.settingsFile.SaveSetting("General", "LastErased", "unknown value");
  triggers.ScheduleTimer();
  EXPECT_EQ(Runs(), 1);
}

TEST_F(TriggersTest, LastBrowserWindowClosingErasesAndBrowsersRefreshTheStatus) {
  if (!windows.CanOpen()) GTEST_SKIP() << "no display to show windows on";
  SaveLastErased(ctx.settingsFile, "3/1/2024 9:00:00 AM");
  for (const std::int16_t autoerase : {4, 0}) {
    Triggers watch{ctx, questions};  // its counters as the window starts them
    ClearLog(ctx);
    view.status.clear();
    ctx.settings.Autoerase = autoerase;
    const auto first = windows.Open("IEFrame", "one", platform::ShowStyle::kNormal);
    const auto second = windows.Open("Opera Main Window", "two", platform::ShowStyle::kNormal);
    for (int tick = 1; tick <= 6; ++tick) {
      EXPECT_EQ(view.status, "") << "refreshed at the sixth tick";
      watch.WatchTimer();
    }
    EXPECT_EQ(view.status, "Last Erased at: " + LastErased(ctx.settingsFile));
    EXPECT_EQ(watch.browserCount(), 2);
    Close(first);
    watch.WatchTimer();
    EXPECT_EQ(watch.browserCount(), 1);
    EXPECT_EQ(Runs(), 0);
    Close(second);
    watch.WatchTimer();
    watch.WatchTimer();
    EXPECT_EQ(Runs(), autoerase == 4 ? 1 : 0);
    EXPECT_EQ(Log().starts_with("Browser Shutdown Detected, Starting To Erase\r\n" +
                                std::string(kRunStart)),
              autoerase == 4);
    EXPECT_EQ(watch.browserCount(), autoerase == 4 ? 0 : 1) << "kept while the erase is off";
  }
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_TRUE(view.results[0].autoClose);
}

class HomePageTest : public TriggersTest {
 protected:
  HomePageTest() { ChangedElsewhere(); }
  void ChangedElsewhere() {
    machine.LoadReg(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
        "\"Start Page\"=\"http://other.example/\"\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
        "\"Start Page\"=\"http://other.example/\"\r\n");
    ctx.homePage = "http://home.example/";
  }
  std::string StartPage(platform::RegHandle root) {
    return QueryValue(ctx, root, kMainKey, "Start Page");
  }
};

TEST_F(HomePageTest, AnswerKeepsOrWritesBackThePageAndAsksOnce) {
  const std::string asked =
      "Quellorn: Your Home Page From http://home.example/ changed to http://other.example/, Do "
      "You Agree ?";
  const struct {
    std::int16_t protect;
    bool yes;
    std::size_t questions;
    const char* accepted;  // the remembered page and the stored values afterwards
  } cases[] = {{0, false, 1, "http://home.example/"},
               {0, true, 1, "http://other.example/"},
               {1, false, 0, "http://other.example/"}};
  questions.whileOpen = [&] { triggers.WatchTimer(); };  // timers served while it asks
  for (const auto& c : cases) {
    ChangedElsewhere();
    ctx.settings.homepageprotect = c.protect;
    questions.yes = c.yes;
    questions.asked.clear();
    ctx.run.mode = EraseMode::kTest;
    triggers.WatchTimer();
    triggers.WatchTimer();
    EXPECT_EQ(questions.asked, std::vector<std::string>(c.questions, asked));
    EXPECT_EQ(ctx.homePage, c.protect ? "http://home.example/" : c.accepted);
    EXPECT_EQ(StartPage(platform::kCurrentUser), c.accepted);
    EXPECT_EQ(StartPage(platform::kLocalMachine), c.accepted);
    EXPECT_EQ(ctx.run.mode, EraseMode::kTest) << "the mode as it was";
  }
}

TEST_F(HomePageTest, TriggersFiringUnderARunAreIgnored) {
  if (!windows.CanOpen()) GTEST_SKIP() << "no display to show windows on";
  ctx.settings.Autoerase = 7;
  ctx.settings.homepageprotect = 0;
  ctx.settings.ErasePerTime = 0;
  const auto browser = windows.Open("IEFrame", "ie", platform::ShowStyle::kNormal);
  triggers.WatchTimer();  // asks about the home page once
  Close(browser);
  view.confirmAnswer = EraseMode::kTest;
  view.onConfirm = [&] {
    triggers.WatchTimer();
    triggers.ScheduleTimer();
    triggers.QueryEndSession();
  };
  EraseNow(ctx);
  EXPECT_EQ(questions.asked.size(), 1u);
  EXPECT_EQ(view.confirmations, 1);
  EXPECT_TRUE(Log().starts_with("Test Mode: Test Start ---")) << Log();
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_EQ(view.results[0].title, "Test Completed");
  EXPECT_EQ(triggers.browserCount(), 1) << "the closed browser is noticed after the run";
}

}  // namespace
}  // namespace quellorn
