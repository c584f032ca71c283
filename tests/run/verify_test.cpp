#include "run/verify.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text_util.h"
#include "core/track.h"
#include "run/erase_runner.h"
#include "run/task_list.h"
#include "support/context_fixture.h"
#include "support/file_lock.h"

namespace quellorn {
namespace {

// What happens to junk\a.log during the run.
enum class Fault { kNone, kLocked, kReadOnlyDenied, kReappears, kValueDenied };

struct Case {
  const char* name;
  std::vector<std::string> files;  // below the test's folder
  Fault fault;
  std::vector<std::string> report;  // survivor lines in any order, then the summary; $ROOT
                                    // stands for the test's folder
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

const Case kCases[] = {
    {"EverythingWent",
     {"junk\\a.log", "Cookies\\gone.txt"},
     Fault::kNone,
     {"Verify: everything selected was erased"}},
    {"KeptAndExcluded",
     {"junk\\a.log", "junk\\keep.log", "Cookies\\gone.txt", "Cookies\\kept.txt"},
     Fault::kNone,
     {"Survivor: $ROOT\\Cookies\\kept.txt <kept>", "Survivor: $ROOT\\junk\\keep.log <kept>",
      "Verify: 2 survived, 0 unexpected"}},
    {"Locked",
     {"junk\\a.log", "junk\\keep.log", "Cookies\\gone.txt"},
     Fault::kLocked,
     {"Survivor: $ROOT\\junk\\a.log <in use>", "Survivor: $ROOT\\junk\\keep.log <kept>",
      "Verify: 2 survived, 1 unexpected (in use)"}},
    {"ReadOnlyDenied",
     {"junk\\a.log"},
     Fault::kReadOnlyDenied,
     {"Survivor: $ROOT\\junk\\a.log <access denied>",
      "Verify: 1 survived, 1 unexpected (access denied)"}},
    {"Reappeared",
     {"junk\\a.log"},
     Fault::kReappears,
     {"Survivor: $ROOT\\junk\\a.log <reappeared>",
      "Verify: 1 survived, 1 unexpected (reappeared)"}},
    {"RegistryValueDenied",
     {"junk\\a.log"},
     Fault::kValueDenied,
     {"Survivor: HKEY_CURRENT_USER\\Software\\QuellornVerifyTest\\Typed <access denied>",
      "Verify: 1 survived, 1 unexpected (access denied)"}},
};

// An erase run that verifies itself over the cookie folder, whose keep list keeps kept.txt, and
// a plugin item taking junk\*.* but keep.log and the value Typed; with and without secure
// erasing.
class VerifyTest : public testing::ContextTest,
                   public ::testing::WithParamInterface<std::tuple<Case, bool>> {
 protected:
  VerifyTest() {
    system.windowsFolder = machine.root() + "\\WINDOWS";
    machine.MakeFolder(At("Cookies"));
    machine.LoadReg(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
        "Folders]\r\n\"Cookies\"=\"$ROOT\\\\Cookies\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\QuellornVerifyTest]\r\n\"Typed\"=\"secret\"\r\n");
    machine.WriteFile(ProgramFile("Cookies.txt"), "kept.txt\r\n");
    machine.WriteFile(ProgramFile("plugins\\junk.qk"),
                      "[Info]\r\nTitle = Junk\r\nSelected = 0\r\nDelFile1=" + At("junk\\*.*") +
                          "\r\nExFile1=" + At("junk\\keep.log") +
                          "\r\nDelRegValue1=HKEY_CURRENT_USER\\Software\\QuellornVerifyTest,Typed"
                          "\r\n");
    ctx.settings.trackFlags.fill(1);
    ctx.settings.flag(Track::kIeCookies) = 0;
    ctx.settings.stealth = 1;  // off
    ctx.settings.Resultwin = 1;
    ctx.settings.SetSecureErasing(std::get<1>(GetParam()));
    ctx.run.verify = true;
    Addtask(ctx);
  }

  std::string At(std::string_view path) const { return machine.root() + "\\" + std::string(path); }

  // The survivor lines, sorted, then the summary line, of a progress list or a log.
  static std::vector<std::string> Report(const std::vector<std::string>& lines) {
    std::vector<std::string> report;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(report),
                 [](const std::string& line) { return line.starts_with("Survivor: "); });
    std::sort(report.begin(), report.end());
    for (const std::string& line : lines)
      if (line.starts_with("Verify: ")) report.push_back(line);
    return report;
  }
};

TEST_P(VerifyTest, ReportsWhatSurvivedAndWhy) {
  const Case& c = std::get<0>(GetParam());
  for (const std::string& file : c.files)
    machine.WriteFile(At(file), "trace");
  const std::string a = At("junk\\a.log");
  std::optional<testing::FileLock> lock;
  if (c.fault == Fault::kLocked) lock.emplace(faults, a);
  if (c.fault == Fault::kReadOnlyDenied) {
    os.files.SetAttributes(a, platform::attr::kReadOnly);
    faults.denied.insert(a);
  }
  if (c.fault == Fault::kReappears) {
    view.onYield = [&] {
      if (!os.files.Exists(a)) machine.WriteFile(a, "again");
    };
  }
  if (c.fault == Fault::kValueDenied) faults.failingCall = {testing::CallKind::kRegDelete, 1};

  EraseNow(ctx);
  lock.reset();

  std::vector<std::string> expected;
  for (const std::string& line : c.report)
    expected.push_back(ReplaceText(line, "$ROOT", machine.root()));
  EXPECT_EQ(Report(view.progress), expected);
  const std::string log = machine.ReadFile(ProgramFile("syslog.txt"));
  EXPECT_EQ(Report(SplitText(log, "\r\n")), expected) << log;
  EXPECT_EQ(log.find("Test Mode"), std::string::npos) << "the verification walk logs nothing";
  for (const std::string& line : view.progress)
    EXPECT_FALSE(line.starts_with("Test Mode")) << "nor shows anything: " << line;
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_TRUE(view.results[0].message.ends_with("\r\n" + expected.back()));
  const std::vector<Survivor>& survivors = ctx.run.ledger.survivors();
  EXPECT_EQ(UnexpectedSurvivors(survivors), c.fault == Fault::kNone ? 0 : 1);
  for (const Survivor& survivor : survivors) {
    EXPECT_TRUE(survivor.path.starts_with("HKEY_") || os.files.Exists(survivor.path))
        << survivor.path;
  }
  EXPECT_FALSE(os.files.Exists(At("Cookies\\gone.txt")));
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "Secure" : "Plain");
                         });

}  // namespace
}  // namespace quellorn
