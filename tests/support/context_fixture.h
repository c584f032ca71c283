#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/context.h"
#include "support/faults.h"
#include "support/recording_run_view.h"
#include "support/system_info_override.h"
#include "support/test_machine.h"

namespace quellorn::testing {

// A fresh test machine seen through fault injection: the clock stands at 7 March 2024 13:05:09
// and the locale is U.S. English, whatever machine runs the test. The file system, shell and
// registry pass through fault injection, idle until a test adds to `faults`. The program folder
// is root()\Quellorn.
class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest() {
    system.now = platform::LocalTime{2024, 3, 7, 4, 13, 5, 9};
    system.locale = platform::LocaleFormats{};
    machine.MakeFolder(programFolder);
  }

  std::string ProgramFile(std::string_view name) const {
    return programFolder + "\\" + std::string(name);
  }
  // Opens the machine's root folder in a folder browser that stands at C:\, one folder at a time
  // (it lies below one or more).
  template <typename OpenFolder>
  void OpenMachineRoot(OpenFolder open) {
    for (std::string_view rest = std::string_view(machine.root()).substr(3); !rest.empty();) {
      const std::size_t slash = rest.find('\\');
      open(rest.substr(0, slash));
      rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
    }
  }

  TestMachine machine;
  FaultPlan faults;
  FaultyRegistry registry{machine.platform().registry, faults};
  FaultyFileSystem files{machine.platform().files, faults};
  FaultyShell shell{machine.platform().shell, faults};
  SystemInfoOverride system{machine.platform().system};
  platform::Platform os{registry, files, shell, system, machine.platform().desktop};
  const std::string programFolder = machine.root() + "\\Quellorn";
};

// A Context on that machine, showing what runs show in a RecordingRunView.
class ContextTest : public PlatformTest {
 protected:
  RecordingRunView view;
  Context ctx{os, view, programFolder};
};

}  // namespace quellorn::testing
