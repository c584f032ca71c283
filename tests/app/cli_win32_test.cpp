// The console front end of the Windows build, on the real system under Wine.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "support/test_machine.h"

namespace quellorn::app {
namespace {

TEST(CliWin32, RunsOnTheRealSystemWithTheProgramFolderGiven) {
  testing::TestMachine machine;
  const std::string programFolder = machine.root() + "\\Quellorn";
  // Only the Run history is selected, so the run cannot reach the rest of the prefix.
  std::string settings = "[General]\r\nstealth=1\r\n";
  for (const char* section : {"IE", "Windows", "netscape", "AOL", "Opera"}) {
    settings += std::string("[") + section + "]\r\n";
    for (const char* key :
         {"URLList", "Cookies", "History", "Cache", "AutoComplete", "plugins", "Index", "Recent",
          "Find", "RecycleBin", "WindowsTemp", "OpenSave", "URL"})
      settings += std::string(key) + "=1\r\n";
  }
  machine.WriteFile(programFolder + "\\settings.dat", settings + "[Windows]\r\nRun=0\r\n");
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
}

}  // namespace
}  // namespace quellorn::app
