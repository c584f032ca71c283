#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/context_fixture.h"
#include "support/test_machine_files.h"

namespace quellorn::testing {

// A ContextTest for erasers of the user's traces: the Windows folder is root()\WINDOWS, and
// the user's Shell Folders and other keys are loaded from .reg text, with $ROOT standing for
// root(). Under Wine the real registry is put back when the test ends.
class ProfileTest : public ContextTest {
 protected:
  ProfileTest() {
    system.windowsFolder = At("WINDOWS");
    ctx.windowsVersion = "xp";
  }

  std::string At(std::string_view relative) const {
    return machine.root() + "\\" + std::string(relative);
  }
  void Make(std::string_view relative, std::string_view content = "data") {
    machine.WriteFile(At(relative), content);
  }
  bool Exists(std::string_view relative) { return os.files.Exists(At(relative)); }
  std::string Read(std::string_view relative) { return machine.ReadFile(At(relative)); }
  // What a linked tree (TestMachine::LinkedTree) leads to is whole, and no line names it.
  void ExpectOutsideIntact(const std::string& base) {
    EXPECT_EQ(machine.ReadFile(base + "\\outside\\a.txt"), "alpha");
    EXPECT_EQ(machine.ReadFile(base + "\\outside\\sub\\b.txt"), "beta");
    for (const std::string& line : view.progress)
      EXPECT_TRUE(line.find("a.txt") == line.npos && line.find("b.txt") == line.npos) << line;
  }
  // As a file another program holds open: it can be neither opened, renamed nor deleted.
  void Lock(std::string_view relative) {
    for (auto* paths : {&faults.unopenable, &faults.unrenamable, &faults.undeletable})
      paths->insert(At(relative));
  }

  // Loads the body of a "Windows Registry Editor Version 5.00" text.
  void Reg(std::string_view body) {
    machine.LoadReg("Windows Registry Editor Version 5.00\r\n\r\n" + std::string(body));
  }
  // Sets values of the user's Shell Folders key to folders below root(); a value given as
  // nullptr is removed, one given as "" is set empty.
  void ShellFolders(std::initializer_list<std::pair<std::string_view, const char*>> values) {
    std::string body =
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
        "Folders]\r\n";
    for (const auto& [name, relative] : values) {
      body += "\"" + std::string(name) + "\"=";
      if (relative == nullptr) {
        body += "-";
      } else if (*relative == '\0') {
        body += "\"\"";
      } else {
        body += "\"$ROOT\\\\" + EscapeBackslashes(relative) + "\"";
      }
      body += "\r\n";
    }
    Reg(body);
  }

  std::string Log() {
    return os.files.Exists(ProgramFile("syslog.txt")) ? machine.ReadFile(ProgramFile("syslog.txt"))
                                                      : std::string();
  }
  // The progress lines in name order: folder listings come in the file system's own order.
  std::vector<std::string> SortedProgress() const {
    std::vector<std::string> lines = view.progress;
    std::sort(lines.begin(), lines.end());
    return lines;
  }
};

}  // namespace quellorn::testing
