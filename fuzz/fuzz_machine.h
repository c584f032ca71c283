#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/run_view.h"
#include "platform/portable/portable_machine.h"

namespace quellorn::fuzz {

// A machine folder under the temporary folder that each input starts afresh: drive C and the
// registry emptied, then filled again with the target's fixed state. Removed when it goes.
class ScratchMachine {
 public:
  ScratchMachine();
  ~ScratchMachine();
  ScratchMachine(const ScratchMachine&) = delete;
  ScratchMachine& operator=(const ScratchMachine&) = delete;

  // Empties the folder, puts `regText` (a .reg text) in as the machine's registry and opens
  // the machine anew.
  platform::PortableMachine& Reset(std::string_view regText = {});

  platform::PortableMachine& machine() { return *machine_; }
  platform::Platform& os() { return machine_->platform(); }
  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path DriveC() const { return folder_ / "drive_c"; }

  // Writes a file through the machine's file system, creating its folders.
  void WriteFile(std::string_view path, std::string_view content);

 private:
  std::filesystem::path folder_;
  std::unique_ptr<platform::PortableMachine> machine_;
};

// Ends the process with a message when a property of the code under test does not hold, so
// that libFuzzer keeps the input.
void Require(bool holds, std::string_view what);

// The first `count` - 1 pieces of `data` up to each `separator`, then the rest; missing
// pieces are empty. Lets one input carry several strings.
std::vector<std::string_view> SplitInput(std::string_view data, char separator, std::size_t count);

// The custom item editors' test list, forgotten.
class SilentEditorList : public EditorTestList {
 public:
  void AddLine(const std::string&) override {}
};

}  // namespace quellorn::fuzz
