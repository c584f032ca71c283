#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace quellorn::testing {

// The machine one test works on. Natively it is a fresh portable machine folder in a
// temporary folder; in the Windows build it is the real system (under Wine) with a fresh
// scratch folder. Scenario tests are written once against it and run on both back ends.
// It leaves nothing behind: files, folders and the registry changes made through it are
// undone when it goes.
class TestMachine {
 public:
  TestMachine();
  ~TestMachine();
  TestMachine(const TestMachine&) = delete;
  TestMachine& operator=(const TestMachine&) = delete;

  platform::Platform& platform();

  // Windows path of an empty folder of this test alone, without trailing backslash
  // (for example C:\qtest\17).
  const std::string& root() const;

  // File helpers through the machine's file system; folders are created as needed.
  void WriteFile(std::string_view path, std::string_view content);
  std::string ReadFile(std::string_view path);
  void MakeFolder(std::string_view path);
  // Writes a file below root() under its name as given, which a typed path may not reach
  // ("keep.txt." types as "keep.txt"): on the host natively, through a "\\?\" path under Wine.
  void WriteListedFile(std::string_view path, std::string_view content);

  // Loads a .reg text ("Windows Registry Editor Version 5.00" or "REGEDIT4") into the
  // machine's registry; "$ROOT" in the text stands for root(). What it changes is put
  // back when the machine goes.
  void LoadReg(std::string_view regText);

  // Gives the existing file `target` a second name `link` (a hard link), both below root().
  void HardLink(std::string_view target, std::string_view link);

  // A folder holding "outside" (a.txt "alpha", sub\b.txt "beta"), "tree" (plain.txt,
  // nested\n.txt, and links to outside at two depths: tree\link, tree\nested\inner_link) and
  // "file_link", a link to outside\a.txt, one per name. Natively made on the spot; under Wine made
  // by a script before the tests start, since a Windows program cannot make links there. Answers
  // the folder's path.
  std::string LinkedTree(std::string_view name);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quellorn::testing
