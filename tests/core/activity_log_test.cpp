#include "core/activity_log.h"

#include <gtest/gtest.h>

#include "core/file_text.h"
#include "core/report.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

class ActivityLogTest : public testing::ContextTest {
 protected:
  ActivityLogTest() { ctx.run.mode = EraseMode::kErase; }
  std::string log = ProgramFile("syslog.txt");
};

TEST_F(ActivityLogTest, PrefixesEveryLineUnlessTheRunErases) {
  ctx.run.mode = EraseMode::kNone;
  WriteLog(ctx, "no run yet");
  ctx.run.mode = EraseMode::kTest;
  WriteLog(ctx, "testing");
  ctx.run.mode = EraseMode::kErase;
  WriteLog(ctx, "erasing");
  EXPECT_EQ(machine.ReadFile(log), "Test Mode: no run yet\r\nTest Mode: testing\r\nerasing\r\n");
}

TEST_F(ActivityLogTest, EveryTraceShowsAndLogsAsOneLineOfPrintableText) {
  const struct {
    std::string_view line, shown;
  } kCases[] = {
      {"C:\\T\\\xc3\xa9t\xc3\xa9.txt", "C:\\T\\\xc3\xa9t\xc3\xa9.txt"},
      {"http://a/\x1b]0;owned\x07\x1b[2J", "http://a/\\x1b]0;owned\\x07\\x1b[2J"},
      {"x\r\nTask Completed Successfully", "x\\x0d\\x0aTask Completed Successfully"},
      {"\t\x7f", "\\x09\\x7f"},
      {"\xc2\x9b"
       "2J\xe2\x80\xa8.",
       "\\u009b2J\\u2028."},
      {"\xff\xc3(\xe2\x82", "\\xff\\xc3(\\xe2\\x82"},
  };
  std::string logged;
  for (const auto& c : kCases) {
    DispList(ctx, c.line);
    WriteLog(ctx, c.line);
    EXPECT_EQ(view.progress.back(), c.shown);
    logged += std::string(c.shown) + "\r\n";
  }
  EXPECT_EQ(machine.ReadFile(log), logged);
}

TEST_F(ActivityLogTest, LoggingOffOrAnUnwritableLogLeavesTheFileUntouchedAndClearingEmptiesIt) {
  ClearLog(ctx);
  EXPECT_EQ(machine.ReadFile(log), "") << "clearing makes the file";
  machine.WriteFile(log, "earlier line\n");
  ctx.settings.clearlog = 3;
  WriteLog(ctx, "dropped");
  EXPECT_EQ(machine.ReadFile(log), "earlier line\n");
  ClearLog(ctx);
  EXPECT_EQ(machine.ReadFile(log), "");
  // An unwritable log drops the line and the run goes on.
  ctx.settings.clearlog = 0;
  machine.WriteFile(log, "kept\r\n");
  ASSERT_EQ(os.files.SetAttributes(log, platform::attr::kReadOnly), platform::kSuccess);
  WriteLog(ctx, "lost");
  os.files.SetAttributes(log, platform::attr::kNormal);
  EXPECT_EQ(machine.ReadFile(log), "kept\r\n");
}

// A run holds the log open: each line is still in the file before the next step, lines that
// another writer appends meanwhile stay, and clearing starts a new file that the run goes on in.
TEST_F(ActivityLogTest, AHeldLogHasEveryLineInTheFileAtOnceAndCanBeCleared) {
  machine.WriteFile(log, "before\r\n");
  {
    const HeldLog held(ctx);
    const HeldLog inner(ctx);
    WriteLog(ctx, "one");
    EXPECT_EQ(machine.ReadFile(log), "before\r\none\r\n");
    ASSERT_EQ(AppendToFile(machine.platform().files, log, "other\r\n"), platform::kSuccess);
    WriteLog(ctx, "two");
    EXPECT_EQ(machine.ReadFile(log), "before\r\none\r\nother\r\ntwo\r\n");
    ClearLog(ctx);
    EXPECT_EQ(machine.ReadFile(log), "");
    WriteLog(ctx, "three");
    EXPECT_EQ(machine.ReadFile(log), "three\r\n");
  }
  // Released: the file can be replaced, and the next line goes to the new one.
  machine.WriteFile(log, "new\r\n");
  WriteLog(ctx, "four");
  EXPECT_EQ(machine.ReadFile(log), "new\r\nfour\r\n");
}

// Time stamps use the general date format; counters use the locale's separator.
TEST_F(ActivityLogTest, TimeStampsAndCountersFollowTheLocale) {
  EXPECT_EQ(NowText(ctx), "3/7/2024 1:05:09 PM");
  ctx.run.totals = {3, 2, 2000};
  DispStatus(ctx);
  EXPECT_EQ(view.status, "Erased Registry Keys: 3  Files: 2   Released HD Space: 2. MB");
  system.now = platform::LocalTime{2024, 12, 31, 2, 0, 0, 0};
  system.locale = platform::LocaleFormats{"dd.MM.yyyy", "HH:mm:ss", ","};
  EXPECT_EQ(NowText(ctx), "31.12.2024");
  ctx.run.mode = EraseMode::kTest;
  ctx.run.totals = {0, 0, 0};
  DispStatus(ctx);
  EXPECT_EQ(view.status, "Test: Scanned Registry Keys: 0  Files: 0   HD Space: 0, MB");
  ctx.run.totals.releasedKilobytes = 2500;
  EXPECT_EQ(DisplayedSpace(ctx), "2,5 MB");
}

TEST_F(ActivityLogTest, ReportLineShowsYieldsThenLogs) {
  ctx.run.mode = EraseMode::kTest;
  view.onYield = [&] { EXPECT_FALSE(os.files.Exists(log)) << "logged before the yield"; };
  ReportLine(ctx, "Erasing C:\\a.txt <OK>");
  EXPECT_EQ(view.progress, std::vector<std::string>{"Test Mode: Erasing C:\\a.txt <OK>"});
  EXPECT_EQ(view.yields, 1);
  EXPECT_EQ(machine.ReadFile(log), "Test Mode: Erasing C:\\a.txt <OK>\r\n");
}

}  // namespace
}  // namespace quellorn
