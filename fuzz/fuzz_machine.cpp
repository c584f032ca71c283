#include "fuzz_machine.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "core/file_text.h"

namespace quellorn::fuzz {

ScratchMachine::ScratchMachine() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quellorn-fuzz-XXXXXX").string();
  Require(::mkdtemp(pattern.data()) != nullptr, "cannot make a temporary folder");
  folder_ = pattern;
  Reset();
}

ScratchMachine::~ScratchMachine() {
  machine_.reset();
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

platform::PortableMachine& ScratchMachine::Reset(std::string_view regText) {
  machine_.reset();
  std::error_code error;
  // A run may leave read-only files and folders behind; their owner can always widen them.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, error))
    std::filesystem::permissions(
        entry.path(), std::filesystem::perms::owner_all,
        std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, error);
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
    std::filesystem::remove_all(entry.path(), error);
  std::filesystem::create_directories(DriveC(), error);
  Require(!error, "cannot prepare the machine folder");
  // Written as the machine keeps it, so that loading it costs one read and no save.
  std::ofstream(folder_ / "registry.reg", std::ios::binary) << regText;
  machine_ = std::make_unique<platform::PortableMachine>(folder_);
  Require(machine_->registryIssues().empty(), "the fixed registry does not load");
  return *machine_;
}

void ScratchMachine::WriteFile(std::string_view path, std::string_view content) {
  for (std::size_t slash = path.find('\\', 3); slash != std::string_view::npos;
       slash = path.find('\\', slash + 1))
    os().files.CreateFolder(path.substr(0, slash));
  Require(WriteWholeFile(os().files, path, content) == platform::kSuccess,
          "cannot write a fixed file");
}

void Require(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

std::vector<std::string_view> SplitInput(std::string_view data, char separator, std::size_t count) {
  std::vector<std::string_view> pieces;
  while (pieces.size() + 1 < count) {
    const std::size_t end = data.find(separator);
    pieces.push_back(data.substr(0, end));
    data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
  }
  pieces.push_back(data);
  return pieces;
}

}  // namespace quellorn::fuzz
