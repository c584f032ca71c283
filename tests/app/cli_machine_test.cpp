// The console front end on machine folders (the portable back end).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <sstream>

#include "app/cli.h"
#include "app/terminal.h"
#include "platform/text_encoding.h"
#include "support/machine_folder.h"

namespace quellorn::app {
namespace {

// A host file that nobody may delete, not even the superuser, while it lives: one the user has
// no right to erase. held() is false where the file system or the test's rights allow no such flag.
class ImmutableFile {
 public:
  explicit ImmutableFile(const std::filesystem::path& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), held_(Set(FS_IMMUTABLE_FL)) {}
  ~ImmutableFile() {
    if (held_) Set(0);
    ::close(fd_);
  }
  bool held() const { return held_; }

 private:
  bool Set(int flag) {
    int flags = 0;
    if (::ioctl(fd_, FS_IOC_GETFLAGS, &flags) != 0) return false;
    flags = (flags & ~FS_IMMUTABLE_FL) | flag;
    return ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
  }

  int fd_;
  bool held_;
};

class CliMachineTest : public ::testing::Test {
 protected:
  CliMachineTest() {
    folder.Write(programFolder / "settings.dat",
                 "[General]\r\nstealth=1\r\n[IE]\r\nCache=1\r\n[Windows]\r\nRecycleBin=1\r\n");
  }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--machine", folder.path().string()});
    return RunCli(args, in, out, err);
  }
  // The run on a disk where no host file grows past a byte.
  int RunOnFullDisk(std::vector<std::string> args) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{1, limit.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    const int status = Run(std::move(args));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    return status;
  }
  std::string Log() { return folder.Read(programFolder / "syslog.txt"); }
  void WriteRegistry(std::string_view lines) {
    folder.Write(folder.path() / "registry.reg",
                 "Windows Registry Editor Version 5.00\r\n\r\n" + std::string(lines));
  }

  testing::MachineFolder folder;
  std::filesystem::path programFolder = folder.DriveC() / "Program Files" / "Quellorn";
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(CliMachineTest, ListsTheTaskListOneItemALine) {
  EXPECT_EQ(Run({"list"}), 0);
  EXPECT_EQ(err.str(), "");
  std::istringstream lines(out.str());
  std::vector<std::string> items;
  for (std::string line; std::getline(lines, line);)
    items.push_back(line);
  ASSERT_EQ(items.size(), 22u);
  EXPECT_EQ(items[0], "IE Location Bar");
  EXPECT_EQ(items[2], "IE History");
  EXPECT_EQ(items.back(), "Windows Open/Save History");
}

TEST_F(CliMachineTest, TestRunPrintsProgressLinesThenTheCounterLine) {
  EXPECT_EQ(Run({"test"}), 0);
  const std::string text = out.str();
  EXPECT_TRUE(text.starts_with("Test Mode: Test start---------------------at "));
  EXPECT_NE(text.find("\nTest Mode: Erasing IE Location Bar......\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\nTest: Scanned Registry Keys: 0  Files: 0   HD Space: 0. MB\n"));
  EXPECT_EQ(text.find('\r'), std::string::npos) << "no live line outside a terminal";
  EXPECT_NE(Log().find("Test Mode: Test Start"), std::string::npos);
}

TEST_F(CliMachineTest, EraseWithYesRunsAndRecordsIt) {
  EXPECT_EQ(Run({"erase", "--yes"}), 0);
  EXPECT_NE(out.str().find("Task Completed Successfully-----------at "), std::string::npos);
  EXPECT_TRUE(
      out.str().ends_with("Erased Registry Keys: 0  Files: 0   Released HD Space: 0. MB\n"));
  EXPECT_NE(Log().find("-----------Start to Erase"), std::string::npos);
}

TEST_F(CliMachineTest, TypedAddressesCannotSteerTheTerminalOrForgeLines) {
  {
    auto machine = folder.Open();
    platform::RegKey key;
    ASSERT_EQ(platform::RegKey::Create(machine->platform().registry, platform::kCurrentUser,
                                       "Software\\Microsoft\\Internet Explorer\\TypedURLs", key),
              platform::kSuccess);
    const platform::RegValue forged{
        platform::reg_type::kSz,
        platform::Utf16ToLeBytes(
            u"http://a/\x1b]0;owned\x07\x1b[2J\r\nTask Completed Successfully")};
    machine->platform().registry.SetValue(key.get(), "url1", forged);
  }
  EXPECT_EQ(Run({"erase", "--yes"}), 0);
  for (const std::string& text : {out.str(), Log()}) {
    EXPECT_EQ(text.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_EQ(text.find("\nTask Completed Successfully <OK>"), std::string::npos);
    EXPECT_NE(text.find("[2J\\x0d\\x0aTask Completed Successfully <OK>"), std::string::npos);
  }
}

TEST_F(CliMachineTest, EraseWithoutYesNeedsATerminal) {
  if (StdinIsTerminal()) GTEST_SKIP() << "stdin is a terminal here";
  EXPECT_EQ(Run({"erase"}), 2);
  EXPECT_NE(err.str().find("--yes"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(programFolder / "syslog.txt"));
}

TEST_F(CliMachineTest, ListAndTestWriteNoRegistryAndReportLinesThatDoNotLoad) {
  WriteRegistry("[HKEY_CURRENT_USER\\T]\r\n\"bad\"=dword:xyz\r\n");
  const std::string before = folder.Read(folder.path() / "registry.reg");
  for (const char* command : {"list", "test"}) {
    err.str("");
    EXPECT_EQ(Run({command}), 0);
    EXPECT_NE(err.str().find("registry.reg:4: "), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "registry.reg.bad")) << command;
    EXPECT_EQ(folder.Read(folder.path() / "registry.reg"), before);
  }
  EXPECT_EQ(Run({"erase", "--yes"}), 0);
  EXPECT_NE(err.str().find("registry.reg.bad"), std::string::npos) << err.str();
}

TEST_F(CliMachineTest, EraseIsRefusedOnARegistryThatCannotBeRead) {
  std::filesystem::create_directory(folder.path() / "registry.reg");
  EXPECT_EQ(Run({"erase", "--yes"}), 3);
  EXPECT_NE(err.str().find("erase refused"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(Run({"list"}), 0);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "registry.reg"));
}

TEST_F(CliMachineTest, ChangesThatCannotBeSavedEndTheRunWithThree) {
  WriteRegistry(
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU]"
      "\r\n\"a\"=\"notepad\"\r\n");
  const std::string before = folder.Read(folder.path() / "registry.reg");
  EXPECT_EQ(RunOnFullDisk({"erase", "--yes"}), 3);
  EXPECT_NE(out.str().find("Erased Registry Keys: 1 "), std::string::npos) << out.str();
  EXPECT_NE(err.str().find("registry.reg could not be saved"), std::string::npos) << err.str();
  EXPECT_EQ(folder.Read(folder.path() / "registry.reg"), before);
}

TEST_F(CliMachineTest, EraseVerifyExitsWithFourOnlyWhenSomethingUnexpectedSurvived) {
  folder.Write(
      programFolder / "plugins" / "junk.qk",
      "[Info]\r\nSelected = 0\r\nDelFile1=C:\\junk\\*.*\r\nExFile1=C:\\junk\\keep.log\r\n");
  const std::filesystem::path junk = folder.DriveC() / "junk";
  folder.Write(junk / "keep.log", "kept");
  folder.Write(junk / "stuck.log", "trace");
  EXPECT_EQ(Run({"erase", "--yes", "--verify"}), 0);
  EXPECT_NE(out.str().find("Erasing C:\\junk\\stuck.log <OK>\nSurvivor: C:\\junk\\keep.log <kept>\n"
                           "Verify: 1 survived, 0 unexpected\n"),
            std::string::npos)
      << out.str();

  folder.Write(junk / "stuck.log", "trace");
  const ImmutableFile stuck(junk / "stuck.log");
  if (!stuck.held()) GTEST_SKIP() << "no file can be made undeletable here";
  EXPECT_EQ(Run({"erase", "--yes", "--verify"}), 4);
  for (const std::string& text : {out.str(), Log()})
    EXPECT_NE(text.find("Survivor: C:\\junk\\stuck.log <access denied>"), std::string::npos)
        << text;
  EXPECT_NE(out.str().find("Verify: 2 survived, 1 unexpected (access denied)\n"),
            std::string::npos);
  EXPECT_EQ(Run({"erase", "--yes"}), 0) << "only a run that verifies looks";
  WriteRegistry(
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU]"
      "\r\n\"a\"=\"notepad\"\r\n");
  EXPECT_EQ(RunOnFullDisk({"erase", "--yes", "--verify"}), 3) << "what was not saved comes first";
}

TEST_F(CliMachineTest, ProgramFolderMustExistAndShouldHoldSettings) {
  EXPECT_EQ(Run({"--program-folder", "C:\\Program Files\\Quelorn", "erase", "--yes"}), 2);
  EXPECT_NE(err.str().find("program folder not found: C:\\Program Files\\Quelorn"),
            std::string::npos)
      << err.str();
  EXPECT_EQ(out.str(), "");
  std::filesystem::create_directories(folder.DriveC() / "Empty");
  err.str("");
  EXPECT_EQ(Run({"--program-folder", "c:\\empty", "list"}), 0);
  EXPECT_NE(err.str().find("no settings.dat in c:\\empty"), std::string::npos) << err.str();
}

// An unticked plugin run by name, this once: nothing else runs, and nothing records the choice.
TEST_F(CliMachineTest, ScriptsListEveryItemByIdAndRunJustTheNamedOnes) {
  const auto plugin = programFolder / "plugins" / "Acme Logs.qk";
  folder.Write(plugin,
               "[Info]\r\nTitle = Acme Logs\r\nSelected = 1\r\nDelFile1=C:\\acme\\*.log\r\n");
  folder.Write(folder.DriveC() / "acme" / "x.log", "trace");
  EXPECT_EQ(Run({"list", "--all"}), 0);
  for (const char* row : {"ie.cache\t-\tIE Cache\n", "ie.cookies\tselected\tIE Cookies\n",
                          "\nplugin:Acme Logs\t-\tAcme Logs\n"})
    EXPECT_NE(out.str().find(row), std::string::npos) << row;

  const std::string settings = folder.Read(programFolder / "settings.dat");
  out.str("");
  EXPECT_EQ(Run({"erase", "--yes", "--only", "plugin:Acme Logs"}), 0);
  EXPECT_FALSE(std::filesystem::exists(folder.DriveC() / "acme" / "x.log"));
  EXPECT_NE(out.str().find("\nErasing Acme Logs .....\n"), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("Erasing IE Cookies"), std::string::npos) << out.str();
  EXPECT_EQ(folder.Read(programFolder / "settings.dat"), settings);
  EXPECT_NE(folder.Read(plugin).find("Selected = 1"), std::string::npos);

  out.str("");
  EXPECT_EQ(Run({"test", "--only", "ie.cache,ie.cookie"}), 2);
  EXPECT_NE(err.str().find("no item has the id ie.cookie"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST_F(CliMachineTest, JsonIsOneDocumentOnStdoutWithTheProgressOnStderr) {
  EXPECT_EQ(Run({"test", "--json"}), 0);
  const std::string json = out.str();
  EXPECT_TRUE(json.starts_with(R"({"command":"test","items":["IE Location Bar","IE Cookies",)"))
      << json;
  EXPECT_NE(json.find(R"(,"lines":["Test Mode: Test start-)"), std::string::npos) << json;
  EXPECT_TRUE(json.ends_with(
      R"("totals":{"registryKeys":0,"files":0,"kilobytes":0},"status":"Test: Scanned Registry Keys: 0  Files: 0   HD Space: 0. MB"})"
      "\n"))
      << json;
  EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1);
  EXPECT_NE(err.str().find("Test Mode: Test start-"), std::string::npos);

  out.str("");
  EXPECT_EQ(Run({"list", "--all", "--json"}), 0);
  EXPECT_NE(out.str().find(
                R"({"id":"windows.recycle-bin","name":"Windows Recycle Bin","selected":false}]})"),
            std::string::npos)
      << out.str();
}

TEST(CliWithoutMachine, NativeBuildNeedsAMachineFolder) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"list"}, in, out, err), 2);
  EXPECT_NE(err.str().find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace quellorn::app
