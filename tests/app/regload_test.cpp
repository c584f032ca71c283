// quellorn-regload run as a program: its exit status, its report, and what it leaves in the
// machine folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "support/fixtures.h"
#include "support/machine_folder.h"

namespace quellorn {
namespace {

using testing::MachineFolder;

class Regload : public ::testing::Test {
 protected:
  // Runs the tool with `arguments` (already quoted for the shell); answers its exit status
  // and keeps what it wrote to stderr.
  int Run(const std::string& arguments) {
    std::string command = std::string("'") + QUELLORN_REGLOAD + "' " + arguments + " 2>'" +
                          (folder_.path() / "stderr.txt").string() + "'";
    int status = std::system(command.c_str());
    errors_ = folder_.Read(folder_.path() / "stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Quoted(const std::filesystem::path& path) const { return "'" + path.string() + "'"; }
  std::string Machine() const { return "--machine " + Quoted(folder_.path()); }

  std::filesystem::path WriteInput(const std::string& name, const std::string& content) {
    std::filesystem::path path = folder_.path() / name;
    folder_.Write(path, content);
    return path;
  }

  MachineFolder folder_;
  std::string errors_;
};

// A file loads into the machine; of another, the lines that do not load are reported and the
// rest load.
TEST_F(Regload, LoadsFilesIntoTheMachineAndReportsSkippedLines) {
  auto file = WriteInput("input.reg", testing::Fixture("registry/xp_user_joe.v5.reg"));
  EXPECT_EQ(Run(Machine() + " " + Quoted(file)), 0);
  EXPECT_EQ(errors_, "");
  auto partly = WriteInput("partly.reg",
                           "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\T]\r\n\"bad\"=dword:x\r\n"
                           "\"good\"=\"1\"\r\n[HKEY_CURRENT_USER\\" +
                               std::string(300, 'k') + "]\r\n");
  EXPECT_EQ(Run(Machine() + " " + Quoted(partly)), 0);
  EXPECT_NE(errors_.find(partly.string() + ":4: bad dword"), std::string::npos) << errors_;
  EXPECT_NE(errors_.find(partly.string() + ":6: creating the key refused (status 87)"),
            std::string::npos)
      << errors_;
  auto machine = folder_.Open();
  platform::RegKey key;
  EXPECT_EQ(platform::RegKey::Open(machine->platform().registry, platform::kCurrentUser,
                                   "Software\\Microsoft\\Internet Explorer\\TypedURLs", key),
            platform::kSuccess);
  platform::RegValue value;
  ASSERT_EQ(platform::RegKey::Open(machine->platform().registry, platform::kCurrentUser, "T", key),
            platform::kSuccess);
  EXPECT_EQ(machine->platform().registry.QueryValue(key.get(), "good", value), platform::kSuccess);
}

TEST_F(Regload, FailsOnFilesItCannotUse) {
  EXPECT_EQ(Run(Machine() + " " + Quoted(folder_.path() / "missing.reg")), 1);
  EXPECT_NE(errors_.find("cannot read"), std::string::npos);
  auto notReg = WriteInput("input.txt", "just text\r\n");
  EXPECT_EQ(Run(Machine() + " " + Quoted(notReg)), 1);
  EXPECT_NE(errors_.find(":1: not a registry file"), std::string::npos) << errors_;
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "registry.reg"));
}

TEST_F(Regload, RejectsBadCommandLines) {
  auto file = WriteInput("input.reg", "REGEDIT4\r\n");
  for (const std::string& arguments : std::vector<std::string>{
           "", Machine(), Quoted(file), Machine() + " " + Quoted(file) + " extra",
           Machine() + " --verbose " + Quoted(file), "--machine",
           "--machine " + Quoted(folder_.path() / "no such folder") + " " + Quoted(file)}) {
    EXPECT_EQ(Run(arguments), 2) << arguments;
    EXPECT_NE(errors_.find("usage: quellorn-regload"), std::string::npos) << arguments;
  }
}

}  // namespace
}  // namespace quellorn
