#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace quellorn::demo {

// Where the demo user's things live: a Windows XP user "joe".
inline constexpr std::string_view kProfile = "C:\\Documents and Settings\\joe";
inline constexpr std::string_view kWindows = "C:\\WINDOWS";
inline constexpr std::string_view kProgramFolder = "C:\\Program Files\\Quellorn";
// The machine.ini of that machine.
inline constexpr std::string_view kMachineIni =
    "[machine]\n"
    "user = joe\n"
    "windows = C:\\WINDOWS\n"
    "platform = 2\n"
    "major = 5\n"
    "minor = 1\n"
    "program = C:\\Program Files\\Quellorn\n";

// Writes the demo machine through the platform layer, as any program on it would.
class DemoBuilder {
 public:
  explicit DemoBuilder(platform::Platform& os) : os_(os) {}

  // Creates the folder and the folders above it.
  void Folder(std::string_view path);
  // Writes a file, creating its folder.
  void File(std::string_view path, std::string_view content);
  // Loads registry entries written as a "Windows Registry Editor Version 5.00" text.
  void Reg(std::string_view body);
  // Writes one value of the program's settings.dat, as the user would by hand.
  void Setting(std::string_view section, std::string_view key, std::string_view value);

  // Paths below the profile, the Windows folder and the program folder.
  static std::string InProfile(std::string_view relative);
  static std::string InWindows(std::string_view relative);
  static std::string InProgram(std::string_view relative);

 private:
  platform::Platform& os_;
};

// Every area of the demo machine, in order.
void BuildDemoMachine(DemoBuilder& demo);

// The areas.
void AddUserProfile(DemoBuilder& demo);
void AddProgramFolder(DemoBuilder& demo);
void AddWindowsTraces(DemoBuilder& demo);
// After the program folder: it writes the keep lists over the shipped empty ones.
void AddInternetExplorerTraces(DemoBuilder& demo);
void AddNetscapeTraces(DemoBuilder& demo);
void AddOperaTraces(DemoBuilder& demo);
void AddAolTraces(DemoBuilder& demo);
void AddEveryFamilyPlugin(DemoBuilder& demo);

}  // namespace quellorn::demo
