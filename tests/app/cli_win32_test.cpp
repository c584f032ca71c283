// The console front end of the Windows build, on the real system under Wine.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "support/file_lock.h"
#include "support/test_machine.h"

namespace quellorn::app {
namespace {

// Settings that select no built-in item but, with `runHistory` "0", the Run history, so that
// a run cannot reach the rest of the prefix.
std::string SettingsSelecting(std::string_view runHistory) {
  std::string settings = "[General]\r\nstealth=1\r\n";
  for (const char* section : {"IE", "Windows", "netscape", "AOL", "Opera"}) {
    settings += std::string("[") + section + "]\r\n";
    for (const char* key :
         {"URLList", "Cookies", "History", "Cache", "AutoComplete", "plugins", "Index", "Recent",
          "Find", "RecycleBin", "WindowsTemp", "OpenSave", "URL"})
      settings += std::string(key) + "=1\r\n";
  }
  return settings + "[Windows]\r\nRun=" + std::string(runHistory) + "\r\n";
}

TEST(CliWin32, RunsOnTheRealSystemWithTheProgramFolderGiven) {
  testing::TestMachine machine;
  const std::string programFolder = machine.root() + "\\Quellorn";
  machine.WriteFile(programFolder + "\\settings.dat", SettingsSelecting("0"));
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"--program-folder", programFolder, "list"}, in, out, err), 0);
  EXPECT_EQ(out.str(), "Windows Start Menu Run History\n");

  std::ostringstream testOut;
  EXPECT_EQ(RunCli({"--program-folder", programFolder, "test"}, in, testOut, err), 0);
  EXPECT_NE(testOut.str().find("Test Mode: Erasing Windows Start Menu Run History ....."),
            std::string::npos);
  EXPECT_NE(machine.ReadFile(programFolder + "\\syslog.txt").find("Test Mode: Test Start"),
            std::string::npos);

  std::ostringstream machineErr;
  EXPECT_EQ(RunCli({"--machine", "C:\\m", "list"}, in, out, machineErr), 2);
  EXPECT_NE(machineErr.str().find("usage:"), std::string::npos);
}

TEST(CliWin32, EraseVerifyExitsWithFourForAFileHeldOpen) {
  testing::TestMachine machine;
  const std::string programFolder = machine.root() + "\\Quellorn";
  machine.WriteFile(programFolder + "\\settings.dat", SettingsSelecting("1"));
  machine.WriteFile(
      programFolder + "\\plugins\\junk.qk",
      "[Info]\r\nTitle = Junk\r\nSelected = 0\r\nDelFile1=" + machine.root() + "\\junk\\*.*\r\n");
  const std::string held = machine.root() + "\\junk\\held.log";
  machine.WriteFile(held, "trace");
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string> args = {"--program-folder", programFolder, "erase", "--yes",
                                         "--verify"};
  {
    testing::FaultPlan unused;
    const testing::FileLock lock(unused, held);
    EXPECT_EQ(RunCli(args, in, out, err), 4) << err.str();
  }
  EXPECT_NE(out.str().find("Survivor: " + held + " <in use>\nVerify: 1 survived, 1 unexpected"),
            std::string::npos)
      << out.str();
  out.str("");
  EXPECT_EQ(RunCli(args, in, out, err), 0);
  EXPECT_NE(out.str().find("Verify: everything selected was erased\n"), std::string::npos);
}

TEST(CliWin32, ProgramFolderMustExistAndShouldHoldSettings) {
  testing::TestMachine machine;
  machine.MakeFolder(machine.root() + "\\Empty");
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const std::string missing = machine.root() + "\\Quelorn";
  EXPECT_EQ(RunCli({"--program-folder", missing, "erase", "--yes"}, in, out, err), 2);
  EXPECT_NE(err.str().find("program folder not found: " + missing), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "");
  std::ostringstream listErr;
  EXPECT_EQ(RunCli({"--program-folder", machine.root() + "\\empty", "list"}, in, out, listErr), 0);
  EXPECT_NE(listErr.str().find("no settings.dat in "), std::string::npos) << listErr.str();
}

}  // namespace
}  // namespace quellorn::app
