#pragma once

#include <cstdint>
#include <string>

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

// Everything the program keeps for the life of the process, passed explicitly to whoever
// needs it: there are no other process-wide values.
struct Context {
  Context(platform::Platform& os, RunView& view, std::string programFolder)
      : os(os),
        view(view),
        programFolder(std::move(programFolder)),
        settingsFile(os.files, this->programFolder + "\\settings.dat") {}

  platform::Platform& os;
  RunView& view;

  std::string programFolder;   // without trailing backslash
  std::string startArgument;   // "min" when Windows started the program
  std::string homePage;        // the Internet Explorer home page the user accepted
  std::string windowsVersion;  // "95", "98", "2000", "xp", ... (see GetWindowsVersion)

  clsIniFile settingsFile;
  Settings settings;

  // "erase" lets erasers change the system; anything else only counts and reports.
  std::string eraseMode;
  EraseTotals totals;
  bool triggeredRun = false;
  // Set while Windows 98 asks whether it may end the session: then no other program may be
  // started.
  bool windows98Ending = false;
  bool runActive = false;
  std::int16_t taskCount = 0;  // rows of the task list since it was last built

  // While a custom item editor tests its item, the primitives list what they would erase in
  // the editor's test list instead of touching anything.
  bool editorTest = false;
  std::int16_t editorTestCount = 0;
  EditorTestList* editorList = nullptr;

  bool erasing() const { return eraseMode == "erase"; }
};

}  // namespace quellorn
