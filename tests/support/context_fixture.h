#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/context.h"
#include "support/faults.h"
#include "support/recording_run_view.h"
#include "support/system_info_override.h"
#include "support/test_machine.h"

namespace quellorn::testing {

// A Context on a fresh test machine: the program folder is root()\Quellorn, the clock stands
// at 7 March 2024 13:05:09 and the locale is U.S. English, whatever machine runs the test.
// The file system, shell and registry pass through fault injection, idle until a test adds
// to `faults`.
class ContextTest : public ::testing::Test {
 protected:
  ContextTest() {
    system.now = platform::LocalTime{2024, 3, 7, 4, 13, 5, 9};
    system.locale = platform::LocaleFormats{};
    machine.MakeFolder(ctx.programFolder);
  }

  std::string ProgramFile(std::string_view name) const {
    return ctx.programFolder + "\\" + std::string(name);
  }

  TestMachine machine;
  FaultPlan faults;
  FaultyRegistry registry{machine.platform().registry, faults};
  FaultyFileSystem files{machine.platform().files, faults};
  FaultyShell shell{machine.platform().shell, faults};
  SystemInfoOverride system{machine.platform().system};
  platform::Platform os{registry, files, shell, system, machine.platform().desktop};
  RecordingRunView view;
  Context ctx{os, view, machine.root() + "\\Quellorn"};
};

}  // namespace quellorn::testing
