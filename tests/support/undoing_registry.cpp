#include "undoing_registry.h"

#include "support/reg_values.h"

namespace quellorn::testing {

namespace {

using platform::kFileNotFound;
using platform::kSuccess;
using platform::RegHandle;
using platform::RegKey;
using platform::Status;

bool IsRoot(RegHandle handle) {
  return handle >= platform::kClassesRoot && handle <= platform::kDynData;
}

std::string JoinKey(std::string_view path, std::string_view name) {
  if (path.empty()) return std::string(name);
  if (name.empty()) return std::string(path);
  return std::string(path) + "\\" + std::string(name);
}

// RegDeleteKey removes leaves only, so a tree goes from the bottom up.
Status DeleteTree(platform::Registry& registry, RegHandle root, const std::string& path) {
  {
    RegKey key;
    if (Status status = RegKey::Open(registry, root, path, key); status != kSuccess) return status;
    for (const std::string& child : SubkeyNames(registry, key.get()))
      DeleteTree(registry, root, JoinKey(path, child));
  }
  return registry.DeleteKey(root, path);
}

std::string Describe(const char* what, RegHandle root, const std::string& path, Status status) {
  return std::string(what) + " " + std::to_string(root) + "\\" + path + ": status " +
         std::to_string(status);
}

}  // namespace

std::optional<UndoingRegistry::KeyPath> UndoingRegistry::PathOf(RegHandle key) const {
  if (IsRoot(key)) return KeyPath{key, ""};
  const auto found = open_.find(key);
  if (found == open_.end()) return std::nullopt;
  return found->second;
}

// The shallowest key on the way to `subKey` that does not exist yet.
std::optional<std::string> UndoingRegistry::FirstMissing(RegHandle parent,
                                                         std::string_view subKey) {
  for (std::size_t end = 0; end != std::string_view::npos;) {
    end = subKey.find('\\', end + 1);
    const std::string_view prefix = subKey.substr(0, end);
    RegKey key;
    if (RegKey::Open(real_, parent, prefix, key) == kFileNotFound) return std::string(prefix);
  }
  return std::nullopt;
}

std::vector<std::pair<std::string, platform::RegValue>> UndoingRegistry::ValuesOf(
    RegHandle parent, std::string_view subKey) {
  std::vector<std::pair<std::string, platform::RegValue>> values;
  RegKey key;
  if (RegKey::Open(real_, parent, subKey, key) != kSuccess) return values;
  std::string name;
  for (std::uint32_t index = 0; real_.EnumValue(key.get(), index, name) == kSuccess; ++index) {
    platform::RegValue value;
    if (real_.QueryValue(key.get(), name, value) == kSuccess) values.emplace_back(name, value);
  }
  return values;
}

Status UndoingRegistry::OpenKey(RegHandle parent, std::string_view subKey, RegHandle& key) {
  const Status status = real_.OpenKey(parent, subKey, key);
  const std::optional<KeyPath> parentPath = PathOf(parent);
  if (status == kSuccess && parentPath && !IsRoot(key))
    open_[key] = KeyPath{parentPath->root, JoinKey(parentPath->path, subKey)};
  return status;
}

Status UndoingRegistry::CreateKey(RegHandle parent, std::string_view subKey, RegHandle& key) {
  const std::optional<KeyPath> parentPath = PathOf(parent);
  const std::optional<std::string> missing = FirstMissing(parent, subKey);
  const Status status = real_.CreateKey(parent, subKey, key);
  if (status != kSuccess || !parentPath) return status;
  if (missing)
    changes_.push_back(KeyCreated{KeyPath{parentPath->root, JoinKey(parentPath->path, *missing)}});
  if (!IsRoot(key)) open_[key] = KeyPath{parentPath->root, JoinKey(parentPath->path, subKey)};
  return status;
}

Status UndoingRegistry::CloseKey(RegHandle key) {
  open_.erase(key);
  return real_.CloseKey(key);
}

Status UndoingRegistry::ChangeValue(RegHandle key, std::string_view name,
                                    const std::function<Status()>& change) {
  platform::RegValue before;
  const bool existed = real_.QueryValue(key, name, before) == kSuccess;
  const Status status = change();
  const std::optional<KeyPath> path = PathOf(key);
  if (status == kSuccess && path)
    changes_.push_back(
        ValueChanged{*path, std::string(name), existed ? std::optional(before) : std::nullopt});
  return status;
}

Status UndoingRegistry::SetValue(RegHandle key, std::string_view name,
                                 const platform::RegValue& value) {
  return ChangeValue(key, name, [&] { return real_.SetValue(key, name, value); });
}

Status UndoingRegistry::DeleteValue(RegHandle key, std::string_view name) {
  return ChangeValue(key, name, [&] { return real_.DeleteValue(key, name); });
}

Status UndoingRegistry::DeleteKey(RegHandle parent, std::string_view subKey) {
  auto values = ValuesOf(parent, subKey);
  const Status status = real_.DeleteKey(parent, subKey);
  if (status == kSuccess) {
    if (std::optional<KeyPath> path = PathOf(parent))
      changes_.push_back(
          KeyDeleted{KeyPath{path->root, JoinKey(path->path, subKey)}, std::move(values)});
  }
  return status;
}

void UndoingRegistry::Revert(const ValueChanged& change, std::vector<std::string>& problems) {
  RegKey key;
  Status status = RegKey::Open(real_, change.key.root, change.key.path, key);
  if (status == kSuccess) {
    status = change.before ? real_.SetValue(key.get(), change.name, *change.before)
                           : real_.DeleteValue(key.get(), change.name);
  }
  // A new value that is gone already, or whose key is, needs nothing more.
  if (status != kSuccess && !(status == kFileNotFound && !change.before))
    problems.push_back(
        Describe("value", change.key.root, change.key.path + " " + change.name, status));
}

void UndoingRegistry::Revert(const KeyCreated& change, std::vector<std::string>& problems) {
  const Status status = DeleteTree(real_, change.key.root, change.key.path);
  if (status != kSuccess && status != kFileNotFound)
    problems.push_back(Describe("created key", change.key.root, change.key.path, status));
}

void UndoingRegistry::Revert(const KeyDeleted& change, std::vector<std::string>& problems) {
  RegKey key;
  Status status = RegKey::Create(real_, change.key.root, change.key.path, key);
  for (const auto& [name, value] : change.values) {
    if (status == kSuccess) status = real_.SetValue(key.get(), name, value);
  }
  if (status != kSuccess)
    problems.push_back(Describe("deleted key", change.key.root, change.key.path, status));
}

std::vector<std::string> UndoingRegistry::Undo() {
  std::vector<std::string> problems;
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
    std::visit([&](const auto& recorded) { Revert(recorded, problems); }, *change);
  changes_.clear();
  return problems;
}

}  // namespace quellorn::testing
