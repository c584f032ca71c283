#include "platform/portable/registry_portable.h"

#include <utility>

#include "platform/name_fold.h"
#include "platform/portable/registry_node.h"
#include "platform/reg_file_syntax.h"
#include "platform/text_encoding.h"

namespace quellorn::platform {
namespace {

// Longest names Wine accepts, in UTF-16 code units.
constexpr std::size_t kMaxKeyNameLength = 256;
constexpr std::size_t kMaxValueNameLength = 16383;

bool IsRootHandle(RegHandle handle) {
  return handle >= kClassesRoot && handle <= kDynData;
}

// The names of a subkey path. Empty names (doubled or trailing backslashes) are skipped, as
// Windows skips them; a leading backslash is refused.
Status SplitPath(std::string_view path, std::vector<std::string_view>& names) {
  if (path.starts_with('\\')) return kBadPathname;
  while (!path.empty()) {
    std::size_t slash = std::min(path.find('\\'), path.size());
    std::string_view name = path.substr(0, slash);
    if (Utf8ToUtf16(name).size() > kMaxKeyNameLength) return kInvalidParameter;
    if (!name.empty()) names.push_back(name);
    path.remove_prefix(std::min(slash + 1, path.size()));
  }
  return kSuccess;
}

// What a query of HKEY_PERFORMANCE_DATA yields: a data block holding no counters.
RegValue PerformanceDataBlock() {
  RegValue block{reg_type::kBinary, Utf16ToLeBytes(u"PERF")};
  block.data.resize(96);
  return block;
}

// Every key below `root` in tree order, walked with a list of its own rather than by
// recursion, so that a key of any depth cannot exhaust the stack.
void ExportTree(const RegistryNode& root, RegHandle rootHandle, RegFile& file) {
  std::vector<std::pair<const RegistryNode*, std::string>> pending;
  pending.emplace_back(&root, "");
  while (!pending.empty()) {
    auto [node, path] = std::move(pending.back());
    pending.pop_back();
    if (!path.empty() || !node->values.empty()) {
      RegFileKey& key = file.keys.emplace_back(RegFileKey{0, rootHandle, path, false, {}});
      for (const RegistryNode::Value& value : node->values) {
        key.values.push_back({0, value.name, false, value.value});
      }
    }
    for (auto it = node->subkeys.rbegin(); it != node->subkeys.rend(); ++it) {
      pending.emplace_back(it->get(), path.empty() ? (*it)->name : path + '\\' + (*it)->name);
    }
  }
}

}  // namespace

PortableRegistry::PortableRegistry() {
  for (RegHandle root : reg_syntax::kFileRoots) {
    roots_[root - kClassesRoot] = std::make_shared<RegistryNode>();
  }
}

PortableRegistry::~PortableRegistry() = default;

RegFile PortableRegistry::Export() const {
  RegFile file;
  file.format = RegFileFormat::kVersion5;
  for (RegHandle root : reg_syntax::kFileRoots)
    ExportTree(*roots_[root - kClassesRoot], root, file);
  return file;
}

Status PortableRegistry::Resolve(RegHandle handle, std::shared_ptr<RegistryNode>& node) const {
  if (IsRootHandle(handle)) {
    node = roots_[handle - kClassesRoot];
  } else if (auto it = handles_.find(handle); it != handles_.end()) {
    node = it->second;
  }
  if (!node) return kInvalidHandle;
  return node->deleted ? kKeyDeleted : kSuccess;
}

RegHandle PortableRegistry::NewHandle(std::shared_ptr<RegistryNode> node) {
  RegHandle handle = nextHandle_;
  nextHandle_ += 4;
  handles_.emplace(handle, std::move(node));
  return handle;
}

void PortableRegistry::Changed() const {
  if (onChange_) onChange_();
}

const RegistryNode* PortableRegistry::Root(RegHandle handle) const {
  return IsRootHandle(handle) ? roots_[handle - kClassesRoot].get() : nullptr;
}

Status PortableRegistry::FindKey(RegHandle parent, std::string_view subKey,
                                 std::shared_ptr<RegistryNode>& node) const {
  std::vector<std::string_view> names;
  Status status = Resolve(parent, node);
  if (status == kSuccess) status = SplitPath(subKey, names);
  if (status != kSuccess) return status;
  for (std::string_view name : names) {
    node = node->FindSubkey(FoldName(name));
    if (!node) return kFileNotFound;
  }
  return kSuccess;
}

Status PortableRegistry::OpenKey(RegHandle parent, std::string_view subKey, RegHandle& key) {
  if (parent == kPerformanceData) {
    if (!subKey.empty()) return kInvalidHandle;
    key = parent;
    return kSuccess;
  }
  std::shared_ptr<RegistryNode> node;
  if (Status status = FindKey(parent, subKey, node); status != kSuccess) return status;
  // Opening a root itself gives back the predefined handle.
  key = node.get() == Root(parent) ? parent : NewHandle(std::move(node));
  return kSuccess;
}

Status PortableRegistry::CreateKey(RegHandle parent, std::string_view subKey, RegHandle& key) {
  std::shared_ptr<RegistryNode> node;
  std::vector<std::string_view> names;
  Status status = Resolve(parent, node);
  if (status == kSuccess) status = SplitPath(subKey, names);
  if (status != kSuccess) return status;
  bool created = false;
  for (std::string_view name : names) {
    std::shared_ptr<RegistryNode> next = node->FindSubkey(FoldName(name));
    if (!next) {
      next = node->AddSubkey(name);
      created = true;
    }
    node = std::move(next);
  }
  key = NewHandle(std::move(node));
  if (created) Changed();
  return kSuccess;
}

Status PortableRegistry::CloseKey(RegHandle key) {
  // Wine closes anything in the range of the predefined keys without looking.
  if (key >= kClassesRoot && key <= 0xFFFFFFFF) return kSuccess;
  return handles_.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

Status PortableRegistry::QueryValue(RegHandle key, std::string_view name, RegValue& value) {
  if (key == kPerformanceData) {
    value = PerformanceDataBlock();
    return kSuccess;
  }
  std::shared_ptr<RegistryNode> node;
  if (Status status = Resolve(key, node); status != kSuccess) return status;
  RegistryNode::Value* found = node->FindValue(FoldName(name));
  if (!found) return kFileNotFound;
  value = found->value;
  return kSuccess;
}

Status PortableRegistry::SetValue(RegHandle key, std::string_view name, const RegValue& value) {
  std::shared_ptr<RegistryNode> node;
  if (Status status = Resolve(key, node); status != kSuccess) return status;
  std::u16string folded = FoldName(name);
  if (folded.size() > kMaxValueNameLength) return kInvalidParameter;
  if (RegistryNode::Value* found = node->FindValue(folded)) {
    found->value = value;  // the first spelling of the name stays
  } else {
    node->AddValue(name, std::move(folded), value);
  }
  Changed();
  return kSuccess;
}

Status PortableRegistry::DeleteValue(RegHandle key, std::string_view name) {
  std::shared_ptr<RegistryNode> node;
  if (Status status = Resolve(key, node); status != kSuccess) return status;
  std::u16string folded = FoldName(name);
  if (std::erase_if(node->values, [&](const auto& v) { return v.folded == folded; }) == 0) {
    return kFileNotFound;
  }
  Changed();
  return kSuccess;
}

Status PortableRegistry::DeleteKey(RegHandle parent, std::string_view subKey) {
  std::shared_ptr<RegistryNode> node;
  if (Status status = FindKey(parent, subKey, node); status != kSuccess) return status;
  // Roots cannot go, nor keys that still have subkeys.
  if (!node->parent || !node->subkeys.empty()) return kAccessDenied;
  node->deleted = true;
  std::exchange(node->parent, nullptr)->RemoveSubkey(*node);
  Changed();
  return kSuccess;
}

Status PortableRegistry::EnumValue(RegHandle key, std::uint32_t index, std::string& name) {
  std::shared_ptr<RegistryNode> node;
  if (Status status = Resolve(key, node); status != kSuccess) return status;
  if (index >= node->values.size()) return kNoMoreItems;
  name = node->values[index].name;
  return kSuccess;
}

Status PortableRegistry::EnumKey(RegHandle key, std::uint32_t index, std::string& name) {
  std::shared_ptr<RegistryNode> node;
  if (Status status = Resolve(key, node); status != kSuccess) return status;
  if (index >= node->subkeys.size()) return kNoMoreItems;
  name = node->subkeys[index]->name;
  return kSuccess;
}

}  // namespace quellorn::platform
