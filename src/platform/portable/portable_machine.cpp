#include "platform/portable/portable_machine.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/portable/atomic_file.h"

namespace quellorn::platform {
namespace {

constexpr const char* kRegistryFile = "registry.reg";
constexpr const char* kKeptRegistryFile = "registry.reg.bad";
constexpr const char* kConfigFile = "machine.ini";

// The whole file; nothing when it does not exist. `readable` turns false when something is
// there that cannot be read as a file.
std::string ReadWholeFile(const std::filesystem::path& path, bool& readable) {
  std::error_code error;
  readable = true;
  if (!std::filesystem::exists(path, error)) return {};
  std::ifstream in(path, std::ios::binary);
  readable = std::filesystem::is_regular_file(path, error) && in.is_open();
  if (!readable) return {};
  std::ostringstream content;
  if (in.peek() != std::ifstream::traits_type::eof()) content << in.rdbuf();
  readable = !in.bad();
  return content.str();
}

MachineConfig LoadConfig(const std::filesystem::path& folder) {
  bool readable = true;
  return ParseMachineConfig(ReadWholeFile(folder / kConfigFile, readable));
}

}  // namespace

PortableMachine::PortableMachine(std::filesystem::path folder)
    : folder_(std::move(folder)),
      config_(LoadConfig(folder_)),
      resolver_(folder_, config_.drives),
      files_(resolver_),
      shell_(resolver_, files_, folder_),
      system_(config_),
      platform_{registry_, files_, shell_, system_, desktop_} {
  LoadRegistry();
  registry_.SetChangeHandler([this] { SaveRegistry(); });
}

PortableMachine::~PortableMachine() {
  if (saveStatus_ != kSuccess) SaveRegistry();
}

void PortableMachine::LoadRegistry() {
  std::filesystem::path path = folder_ / kRegistryFile;
  bool readable = true;
  std::string bytes = ReadWholeFile(path, readable);
  if (!readable) {
    // Saving now would replace a registry nobody has read: keep this one in memory only.
    canSave_ = false;
    saveStatus_ = kAccessDenied;
    registryIssues_.push_back({0, "registry.reg cannot be read"});
    return;
  }
  if (bytes.empty()) return;
  RegFile file = ParseRegFile(bytes);
  registryIssues_ = file.errors;
  for (RegFileIssue& issue : ApplyRegFile(registry_, file))
    registryIssues_.push_back(issue);
  if (!registryIssues_.empty()) {
    std::error_code error;
    std::filesystem::copy_file(path, folder_ / kKeptRegistryFile,
                               std::filesystem::copy_options::overwrite_existing, error);
    canSave_ = !error;
  }
}

void PortableMachine::SaveRegistry() {
  if (!canSave_) return;
  saveStatus_ = WriteFileAtomically(folder_ / kRegistryFile, WriteRegFile(registry_.Export()));
}

}  // namespace quellorn::platform
