#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/win32_base.h"
#include "primitives/file_rewrite.h"
#include "support/test_machine.h"

namespace quellorn::testing {

// A file of the build tree as a Windows path: the test prefix has no drive for the host's
// folders, but Wine reaches them through \\?\unix.
inline std::string BuildTreePath(std::string_view path) {
  std::string windows(path);
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return path.starts_with('/') ? "\\\\?\\unix" + windows : windows;
}

inline std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// One run of tests/platform/dialog_probe.exe, copied into the test machine's folder (the test
// prefix has no drive for the build tree). The probe is ended, if it still runs, before the
// machine goes; declare it after the machine.
class DialogProbe {
 public:
  DialogProbe(TestMachine& machine, std::string_view name, std::string_view builtProbe)
      : machine_(machine),
        exe_(machine.root() + "\\" + std::string(name) + ".exe"),
        report_(machine.root() + "\\" + std::string(name) + ".txt"),
        event_(L"quellorn-dialog-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::wstring(name.begin(), name.end())),
        done_(CreateEventW(nullptr, TRUE, FALSE, event_.c_str())) {
    copied_ = machine.platform().files.Copy(BuildTreePath(builtProbe), exe_) == platform::kSuccess;
  }
  DialogProbe(const DialogProbe&) = delete;
  DialogProbe& operator=(const DialogProbe&) = delete;
  ~DialogProbe() {
    if (started_ && !Wait(0)) End();
  }

  bool ready() const { return copied_ && done_; }

  // The command line that starts the probe in this mode.
  std::string CommandLine(std::string_view mode, std::string_view title = "") {
    started_ = true;
    std::string line = Quoted(exe_) + " " + std::string(mode) + " " + Quoted(report_) + " " +
                       Quoted(std::string(event_.begin(), event_.end()));
    if (!title.empty()) line += " " + Quoted(title);
    return line;
  }

  // Waits until the probe has ended and answers what it wrote down between its process id and
  // its last line. The wait has a bound only so that a probe that hangs cannot stall the run.
  std::vector<std::string> Finish() {
    if (!Wait(kPatience)) {
      End();
      return {"probe did not end"};
    }
    std::vector<std::string> lines = Lines();
    if (!lines.empty() && lines.front().starts_with("pid=")) lines.erase(lines.begin());
    if (!lines.empty() && lines.back() == "end") lines.pop_back();
    return lines;
  }

 private:
  static constexpr DWORD kPatience = 60000;

  std::vector<std::string> Lines() {
    if (!machine_.platform().files.Exists(report_)) return {};
    return SplitLines(machine_.ReadFile(report_));
  }

  // True once the probe has signalled its end and its process is gone (its program file can
  // be removed only then).
  bool Wait(DWORD patience) {
    if (WaitForSingleObject(done_.get(), patience) != WAIT_OBJECT_0) return false;
    if (const DWORD pid = Pid(); pid != 0) {
      platform::win32::UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
      if (process) WaitForSingleObject(process.get(), kPatience);
    }
    return true;
  }

  DWORD Pid() {
    const std::vector<std::string> lines = Lines();
    if (lines.empty() || !lines.front().starts_with("pid=")) return 0;
    return static_cast<DWORD>(std::stoul(lines.front().substr(4)));
  }

  // Ends a probe that did not end by itself, by its process id.
  void End() {
    const DWORD pid = Pid();
    if (pid == 0) return;
    platform::win32::UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (!process) return;
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), kPatience);
  }

  TestMachine& machine_;
  std::string exe_;
  std::string report_;
  std::wstring event_;
  platform::win32::UniqueHandle done_;
  bool copied_ = false;
  bool started_ = false;
};

}  // namespace quellorn::testing
