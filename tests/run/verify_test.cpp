#include "run/verify.h"

#include <gtest/gtest.h>

#include "core/text_util.h"
#include "core/track.h"
#include "run/erase_runner.h"
#include "run/task_list.h"
#include "support/file_lock.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

// What a case adds to junk\a.log and Cookies\gone.txt, which go unless a fault keeps a.log.
enum class Setup { kNothing, kKeptFiles, kLocked, kReadOnlyDenied, kReappears, kValueDenied };

struct Case {
  const char* name;
  Setup setup;
  // The survivor lines, then the summary; $ROOT stands for the test's folder.
  std::vector<std::string> report;
};

const Case kCases[] = {
    {"EverythingWent", Setup::kNothing, {"Verify: everything selected was erased"}},
    {"KeptAndExcluded",
     Setup::kKeptFiles,
     {"Survivor: $ROOT\\Cookies\\kept.txt <kept>", "Survivor: $ROOT\\junk\\keep.log <kept>",
      "Verify: 2 survived, 0 unexpected"}},
    {"Locked",
     Setup::kLocked,
     {"Survivor: $ROOT\\junk\\a.log <in use>", "Verify: 1 survived, 1 unexpected (in use)"}},
    {"ReadOnlyDenied",
     Setup::kReadOnlyDenied,
     {"Survivor: $ROOT\\junk\\a.log <access denied>",
      "Verify: 1 survived, 1 unexpected (access denied)"}},
    {"Reappeared",
     Setup::kReappears,
     {"Survivor: $ROOT\\junk\\a.log <reappeared>",
      "Verify: 1 survived, 1 unexpected (reappeared)"}},
    {"RegistryValueDenied",
     Setup::kValueDenied,
     {"Survivor: HKEY_CURRENT_USER\\Software\\QuellornVerifyTest\\Typed <access denied>",
      "Verify: 1 survived, 1 unexpected (access denied)"}},
};

// An erase run that verifies itself over the cookie folder, whose keep list keeps kept.txt, and
// a plugin item taking junk\*.* but keep.log, and the value Typed; with and without secure
// erasing.
class VerifyTest : public testing::ProfileTest,
                   public ::testing::WithParamInterface<std::tuple<Case, bool>> {
 protected:
  VerifyTest() {
    ShellFolders({{"Cookies", "Cookies"}});
    Reg("[HKEY_CURRENT_USER\\Software\\QuellornVerifyTest]\r\n\"Typed\"=\"secret\"\r\n");
    machine.WriteFile(ProgramFile("Cookies.txt"), "kept.txt\r\n");
    machine.WriteFile(ProgramFile("plugins\\junk.qk"),
                      "[Info]\r\nSelected = 0\r\nDelFile1=" + At("junk\\*.*") +
                          "\r\nExFile1=" + At("junk\\keep.log") +
                          "\r\nDelRegValue1=HKEY_CURRENT_USER\\Software\\QuellornVerifyTest,Typed");
    ctx.settings.trackFlags.fill(1);
    ctx.settings.flag(Track::kIeCookies) = 0;
    ctx.settings.stealth = ctx.settings.Resultwin = 1;  // stealth off, the result window on
    ctx.settings.SetSecureErasing(std::get<1>(GetParam()));
    ctx.run.verify = true;
    Addtask(ctx);
  }

  static std::vector<std::string> Report(const std::vector<std::string>& lines) {
    std::vector<std::string> report;
    for (const std::string& line : lines)
      if (line.starts_with("Survivor: ") || line.starts_with("Verify: ")) report.push_back(line);
    return report;
  }
};

TEST_P(VerifyTest, ReportsWhatSurvivedAndWhy) {
  const Case& c = std::get<0>(GetParam());
  const std::string a = At("junk\\a.log");
  for (const std::string& file : {a, At("Cookies\\gone.txt")})
    machine.WriteFile(file, "trace");
  if (c.setup == Setup::kKeptFiles) {
    machine.WriteFile(At("junk\\keep.log"), "kept");
    machine.WriteFile(At("Cookies\\kept.txt"), "kept");
  }
  std::optional<testing::FileLock> lock;
  if (c.setup == Setup::kLocked) lock.emplace(faults, a);
  if (c.setup == Setup::kReadOnlyDenied) {
    os.files.SetAttributes(a, platform::attr::kReadOnly);
    faults.denied.insert(a);
  }
  if (c.setup == Setup::kReappears) {
    view.onYield = [&] {
      if (!os.files.Exists(a)) machine.WriteFile(a, "again");
    };
  }
  if (c.setup == Setup::kValueDenied) faults.failingCall = {testing::CallKind::kRegDelete, 1};

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
  EXPECT_EQ(UnexpectedSurvivors(ctx.run.ledger.survivors()), expected.size() == 2 ? 1 : 0);
  EXPECT_EQ(os.files.Exists(a), expected.front().find("a.log") != std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "Secure" : "Plain");
                         });

}  // namespace
}  // namespace quellorn
