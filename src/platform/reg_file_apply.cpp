#include <string>

#include "platform/reg_file.h"

namespace quellorn::platform {
namespace {

// Removes a key with everything below it, deepest keys first, through the plain calls.
Status DeleteTree(Registry& registry, RegHandle parent, const std::string& path) {
  RegKey key;
  Status status = RegKey::Open(registry, parent, path, key);
  if (status != kSuccess) return status;
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t i = 0; registry.EnumKey(key.get(), i, name) == kSuccess; ++i) {
    names.push_back(name);
  }
  for (const std::string& subKey : names) {
    status = DeleteTree(registry, key.get(), subKey);
    if (status != kSuccess) return status;
  }
  key = RegKey();
  return registry.DeleteKey(parent, path);
}

std::string Refused(std::string_view what, Status status) {
  return std::string(what) + " refused (status " + std::to_string(status) + ")";
}

void ApplyKey(Registry& registry, const RegFileKey& entry, std::vector<RegFileIssue>& issues) {
  if (entry.remove) {
    Status status = DeleteTree(registry, entry.root, entry.path);
    if (status != kSuccess && status != kFileNotFound) {
      issues.push_back({entry.line, Refused("removing the key", status)});
    }
    return;
  }
  RegKey key;
  Status status = RegKey::Create(registry, entry.root, entry.path, key);
  if (status != kSuccess) {
    issues.push_back({entry.line, Refused("creating the key", status)});
    return;
  }
  for (const RegFileValue& value : entry.values) {
    status = value.remove ? registry.DeleteValue(key.get(), value.name)
                          : registry.SetValue(key.get(), value.name, value.value);
    if (status != kSuccess && !(value.remove && status == kFileNotFound)) {
      issues.push_back(
          {value.line, Refused(value.remove ? "removing the value" : "setting the value", status)});
    }
  }
}

}  // namespace

std::vector<RegFileIssue> ApplyRegFile(Registry& registry, const RegFile& file) {
  std::vector<RegFileIssue> issues;
  for (const RegFileKey& key : file.keys)
    ApplyKey(registry, key, issues);
  return issues;
}

}  // namespace quellorn::platform
