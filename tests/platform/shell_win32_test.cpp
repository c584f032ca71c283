// What the Win32 shell does beyond the conformance cases, which run on it under Wine: refusals,
// entries in use, links, the recycle bin and started programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link_fixture.h"
#include "platform/shell.h"
#include "platform/win32/win32_base.h"
#include "support/dialog_probe_client.h"
#include "support/test_machine.h"

namespace quellorn::testing {
namespace {

using namespace platform;

class ShellTest : public ::testing::Test {
 protected:
  std::string At(std::string_view name) const { return machine.root() + "\\" + std::string(name); }

  std::vector<std::string> Names(std::string_view folder) {
    std::vector<std::string> names;
    std::unique_ptr<DirListing> listing = machine.platform().files.List(folder);
    DirEntry entry;
    while (listing && listing->Next(entry))
      names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  TestMachine machine;
  Shell& shell = machine.platform().shell;
  FileSystem& files = machine.platform().files;
};

TEST_F(ShellTest, DeleteRefusesDriveRootsAndWildcards) {
  machine.WriteFile(At("a.txt"), "a");
  for (const char* path : {"C:\\", "C:", "c:/", "\\\\server\\share"})
    EXPECT_EQ(shell.Delete(path), kInvalidParameter) << path;
  EXPECT_NE(shell.Delete(At("*.txt")), kSuccess);
  EXPECT_NE(shell.Delete(At("?.txt")), kSuccess);
  EXPECT_TRUE(files.Exists(At("a.txt")));
  EXPECT_TRUE(files.Exists("C:\\windows"));
}

TEST_F(ShellTest, DeleteGoesOnPastAnEntryInUseAndReportsIt) {
  machine.WriteFile(At("tree\\a.txt"), "a");
  machine.WriteFile(At("tree\\locked.txt"), "locked");
  machine.WriteFile(At("tree\\z.txt"), "z");
  std::wstring locked;
  ASSERT_TRUE(win32::ToWide(At("tree\\locked.txt"), locked));
  {
    // Opened by someone who shares reading only.
    win32::UniqueHandle holder(CreateFileW(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_EQ(shell.Delete(At("tree")), kSharingViolation);
    EXPECT_EQ(Names(At("tree")), std::vector<std::string>{"locked.txt"});
  }
  EXPECT_EQ(shell.Delete(At("tree")), kSuccess);
}

TEST_F(ShellTest, DeleteNeverEntersALinkNorHarmsItsTarget) {
  if (!HasLinkFixture(files)) GTEST_SKIP() << kNoLinkFixture;
  const Status status = shell.Delete(LinkPath("tree"));
  ExpectTargetsIntact(machine);
  EXPECT_FALSE(files.Exists(LinkPath("tree\\plain.txt")));
  EXPECT_FALSE(files.Exists(LinkPath("tree\\nested\\n.txt")));
  // Windows removes the links with the tree; Wine cannot remove a link without harming its
  // target, so the links stay and the delete reports the failure.
  EXPECT_EQ(files.Exists(LinkPath("tree")), status != kSuccess);
  for (const char* name :
       {"single\\shell_dir_link", "single\\shell_empty_link", "single\\shell_file_link"}) {
    const Status own = shell.Delete(LinkPath(name));
    EXPECT_EQ(files.Exists(LinkPath(name)), own != kSuccess) << name;
    ExpectTargetsIntact(machine);
  }
}

// Emptying the recycle bin empties the Linux user's trash under Wine, so it runs only where that
// trash is a folder of the build tree.
TEST_F(ShellTest, EmptyRecycleBinEmptiesTheTrashOfTheTestPrefix) {
  wchar_t buffer[2048] = {};
  const DWORD length = GetEnvironmentVariableW(L"XDG_DATA_HOME", buffer, 2048);
  const std::string dataHome = win32::ToUtf8(std::wstring_view(buffer, length < 2048 ? length : 0));
  if (!dataHome.starts_with(QUELLORN_BUILD_DIR "/"))
    GTEST_SKIP() << "runs only in the Wine prefix of the build, whose trash is in the build tree";

  const std::string junk = "junk " + machine.root().substr(machine.root().rfind('\\') + 1);
  machine.WriteFile(At(junk), "junk");
  std::wstring from;
  ASSERT_TRUE(win32::ToWide(At(junk), from));
  from.push_back(L'\0');  // the list of sources ends with an empty name
  SHFILEOPSTRUCTW recycle{};
  recycle.wFunc = FO_DELETE;
  recycle.pFrom = from.c_str();
  recycle.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ASSERT_EQ(SHFileOperationW(&recycle), 0);
  const std::string trash = BuildTreePath(dataHome + "/Trash/files");
  std::vector<std::string> trashed = Names(trash);
  ASSERT_EQ(std::count(trashed.begin(), trashed.end(), junk), 1);

  EXPECT_EQ(shell.EmptyRecycleBin(), kSuccess);
  EXPECT_TRUE(Names(trash).empty());
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  ASSERT_EQ(SHQueryRecycleBinW(nullptr, &info), S_OK);
  EXPECT_EQ(info.i64NumItems, 0);
}

// Runs tests/platform/start_probe.exe from the machine's folder and reads its report.
class StartTest : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(done_);
    ASSERT_EQ(files.Copy(BuildTreePath(QUELLORN_START_PROBE), probe), kSuccess);
  }

  // Answers the first line of the probe's report once the probe has ended (its program file can
  // be removed only then). The waits have a bound only so that a probe that never runs cannot
  // stall the whole test run.
  std::string AwaitReport(const std::string& report) {
    if (WaitForSingleObject(done_.get(), kPatience) != WAIT_OBJECT_0) return "probe never reported";
    ResetEvent(done_.get());
    const std::string text = machine.ReadFile(report);
    const std::size_t pid = text.find("\npid=");
    if (pid == std::string::npos) return text;
    win32::UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, std::stoul(text.substr(pid + 5))));
    if (process) WaitForSingleObject(process.get(), kPatience);
    return text.substr(0, pid);
  }

  std::string Expected(ShowStyle style) const {
    return "showwindow=1 show=" + std::to_string(static_cast<int>(style)) +
           " folder=" + machine.root();
  }

  static constexpr DWORD kPatience = 120000;
  const std::string probe = At("probe.exe");
  win32::UniqueHandle done_{CreateEventW(nullptr, TRUE, FALSE, L"quellorn-start-probe")};
};

TEST_F(StartTest, StartRunsTheCommandLineWithTheShowCommand) {
  for (ShowStyle style : {ShowStyle::kMinimized, ShowStyle::kHidden}) {
    const std::string report = At("started " + std::to_string(static_cast<int>(style)) + ".txt");
    ASSERT_EQ(shell.Start(Quoted(probe) + " " + Quoted(report), style), kSuccess);
    EXPECT_EQ(AwaitReport(report), Expected(style));
  }
}

TEST_F(StartTest, OpenRunsAProgramWithTheShowCommand) {
  ASSERT_EQ(shell.Open(probe, ShowStyle::kMaximized), kSuccess);
  EXPECT_EQ(AwaitReport(At("report.txt")), Expected(ShowStyle::kMaximized));
}

TEST_F(ShellTest, StartAndOpenOfWhatIsNotThereFail) {
  EXPECT_EQ(shell.Start(Quoted(At("missing.exe")) + " argument", ShowStyle::kNormal),
            kFileNotFound);
  EXPECT_EQ(shell.Open(At("missing.txt"), ShowStyle::kNormal), kFileNotFound);
  EXPECT_EQ(shell.Start("", ShowStyle::kNormal), kInvalidParameter);
}

}  // namespace
}  // namespace quellorn::testing
