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

PortableMachine::PortableMachine(std::filesystem::path folder, Access access)
    : folder_(std::move(folder)),
      config_(LoadConfig(folder_)),
      resolver_(folder_, config_.drives),
      files_(resolver_),
      shell_(resolver_, files_, folder_),
      system_(config_),
      platform_{registry_, files_, shell_, system_, desktop_},
      access_(access) {
  LoadRegistry();
  registry_.SetChangeHandler([this] { changed_ = true; });
  registry_.SetFlushHandler([this] { return FlushRegistry(); });
}

PortableMachine::~PortableMachine() {
  FlushRegistry();
}

void PortableMachine::LoadRegistry() {
  std::filesystem::path path = folder_ / kRegistryFile;
  bool readable = true;
  std::string bytes = ReadWholeFile(path, readable);
  if (!readable) {
    // Saving would replace a registry nobody has read: keep this one in memory only.
    canSave_ = false;
    registryIssues_.push_back({0, "cannot be read"});
    return;
  }
  if (bytes.empty()) return;
  RegFile file = ParseRegFile(bytes);
  registryIssues_ = file.errors;
  if (file.format == RegFileFormat::kUnknown) {
    canSave_ = false;  // nothing of it loaded: it is no registry this machine may replace
    return;
  }
  for (RegFileIssue& issue : ApplyRegFile(registry_, file))
    registryIssues_.push_back(issue);
  if (!registryIssues_.empty() && access_ == Access::kReadWrite) {
    std::error_code error;
    std::filesystem::copy_file(path, folder_ / kKeptRegistryFile,
                               std::filesystem::copy_options::overwrite_existing, error);
    keptBadCopy_ = !error;
    canSave_ = !error;
  }
}

Status PortableMachine::FlushRegistry() {
  if (!changed_ || access_ == Access::kReadOnly) return kSuccess;
  if (!canSave_) return kAccessDenied;
  Status status = WriteFileAtomically(folder_ / kRegistryFile, WriteRegFile(registry_.Export()));
  if (status == kSuccess) changed_ = false;
  return status;
}

std::vector<std::string> PortableMachine::LoadIssues() const {
  const std::string file = (folder_ / kRegistryFile).string();
  std::vector<std::string> lines;
  for (const RegFileIssue& issue : registryIssues_) {
    lines.push_back(file + (issue.line > 0 ? ":" + std::to_string(issue.line) : "") + ": " +
                    issue.reason);
  }
  if (keptBadCopy_) {
    lines.push_back(file + ": kept as it was in " + (folder_ / kKeptRegistryFile).string());
  } else if (!registryIssues_.empty() && access_ == Access::kReadWrite && !canSave_) {
    lines.push_back(file + ": will not be replaced: changes to the registry cannot be kept");
  }
  return lines;
}

std::string PortableMachine::Save() {
  Status status = registry_.Flush();
  if (status == kSuccess) return {};
  return (folder_ / kRegistryFile).string() + " could not be saved (error " +
         std::to_string(status) + "): the registry changes since its last save are lost";
}

}  // namespace quellorn::platform
