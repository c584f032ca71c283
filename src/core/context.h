#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "core/erase_ledger.h"
#include "core/erase_mode.h"
#include "core/ini_file.h"
#include "core/run_view.h"
#include "core/settings.h"
#include "platform/platform.h"

namespace quellorn {

// Counters of one run: what it erased (or, in a test run, found).
struct EraseTotals {
  std::int32_t registryKeys = 0;
  std::int32_t files = 0;
  float releasedKilobytes = 0;  // kilobytes of 1024 bytes
};

// The state of the run under way (or of the last one).
struct RunState {
  EraseMode mode = EraseMode::kNone;
  EraseTotals totals;
  bool triggered = false;  // started by a trigger, not by the user
  bool active = false;
  std::int16_t taskCount = 0;  // rows of the task list since it was last built
  // The user's formats, read once when a run starts rather than for every line it shows.
  std::optional<platform::LocaleFormats> locale;
  // Items a script runs this once instead of the selection (ids as the run plan names them);
  // nothing here changes what is selected.
  std::optional<std::set<std::string>> only;
  // An erase run walks its items again afterwards, in test mode, and reports what survived.
  bool verify = false;
  EraseLedger ledger;
};

// While a custom item editor tests its item, the primitives list what they would erase in
// the editor's test list instead of touching anything.
struct EditorTestState {
  bool active = false;
  std::int16_t count = 0;
  EditorTestList* list = nullptr;
};

// syslog.txt while a run holds it open (HeldLog, activity_log.h): opened at the first line,
// closed when the hold ends or the log is cleared.
struct LogState {
  bool held = false;
  std::unique_ptr<platform::File> file;
};

// Everything the program keeps for the life of the process, passed explicitly to whoever
// needs it: there are no other process-wide values. The front end creates it and hands it to
// the view that shows its runs.
struct Context {
  Context(platform::Platform& os, std::string programFolder)
      : os(os),
        programFolder(std::move(programFolder)),
        settingsFile(os.files, this->programFolder + "\\settings.dat") {}
  Context(platform::Platform& os, RunView& view, std::string programFolder)
      : Context(os, std::move(programFolder)) {
    ShowRunsIn(view);
  }
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  // The view every run reports to; set before the first run.
  void ShowRunsIn(RunView& view) { view_ = &view; }
  RunView& view() const { return *view_; }

  platform::Platform& os;

  std::string programFolder;   // without trailing backslash
  std::string startArgument;   // "min" when Windows started the program
  std::string homePage;        // the Internet Explorer home page the user accepted
  std::string windowsVersion;  // "95", "98", "2000", "xp", ... (see GetWindowsVersion)

  clsIniFile settingsFile;
  Settings settings;

  RunState run;
  LogState log;
  EditorTestState editorTest;
  // Set while Windows 98 asks whether it may end the session: then no other program may be
  // started.
  bool windows98Ending = false;

  bool erasing() const { return run.mode == EraseMode::kErase; }

 private:
  RunView* view_ = nullptr;
};

// Lets the registry primitives write and delete while it lives (they change nothing unless the
// run erases), then puts the erase mode back as it was.
class ScopedEraseMode {
 public:
  explicit ScopedEraseMode(Context& ctx) : ctx_(ctx), before_(ctx.run.mode) {
    ctx.run.mode = EraseMode::kErase;
  }
  ~ScopedEraseMode() { ctx_.run.mode = before_; }
  ScopedEraseMode(const ScopedEraseMode&) = delete;
  ScopedEraseMode& operator=(const ScopedEraseMode&) = delete;

 private:
  Context& ctx_;
  EraseMode before_;
};

}  // namespace quellorn
