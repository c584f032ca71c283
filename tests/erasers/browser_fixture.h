#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "support/context_fixture.h"

namespace quellorn::testing {

// A browser's files on the test machine, below its root folder.
class BrowserTest : public ContextTest {
 protected:
  std::string Path(std::string_view relative) const {
    return machine.root() + "\\" + std::string(relative);
  }
  void Make(std::string_view relative, std::string_view content = "data") {
    machine.WriteFile(Path(relative), content);
  }
  std::string Read(std::string_view relative) { return machine.ReadFile(Path(relative)); }
  bool Exists(std::string_view relative) { return os.files.Exists(Path(relative)); }
  std::string Log() { return machine.ReadFile(ProgramFile("syslog.txt")); }
  bool Logged(std::string_view line) {
    return Log().find(std::string(line) + "\r\n") != std::string::npos;
  }
  // The progress lines in order, and sorted for walks whose order is the file system's.
  const std::vector<std::string>& Lines() const { return view.progress; }
  std::vector<std::string> SortedLines() const {
    std::vector<std::string> lines = view.progress;
    std::sort(lines.begin(), lines.end());
    return lines;
  }
  std::vector<std::string> Names(std::string_view relative) {
    std::vector<std::string> names;
    auto listing = os.files.List(Path(relative));
    for (platform::DirEntry entry; listing && listing->Next(entry);)
      names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }
};

}  // namespace quellorn::testing
