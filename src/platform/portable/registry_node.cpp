#include "platform/portable/registry_node.h"

#include <algorithm>
#include <iterator>

#include "platform/name_fold.h"

namespace quellorn::platform {
namespace {

auto LowerBound(const std::vector<std::shared_ptr<RegistryNode>>& subkeys,
                std::u16string_view foldedName) {
  return std::lower_bound(subkeys.begin(), subkeys.end(), foldedName,
                          [](const std::shared_ptr<RegistryNode>& node, std::u16string_view name) {
                            return node->folded < name;
                          });
}

}  // namespace

RegistryNode::~RegistryNode() {
  // The keys that go with this one are taken apart from a list rather than by nested
  // destructors, whose depth would be the depth of the tree. A key a handle still holds keeps
  // its subkeys.
  std::vector<std::shared_ptr<RegistryNode>> going = std::move(subkeys);
  while (!going.empty()) {
    std::shared_ptr<RegistryNode> node = std::move(going.back());
    going.pop_back();
    if (node.use_count() == 1) {
      std::move(node->subkeys.begin(), node->subkeys.end(), std::back_inserter(going));
      node->subkeys.clear();
    }
  }
}

std::shared_ptr<RegistryNode> RegistryNode::FindSubkey(std::u16string_view foldedName) const {
  auto it = LowerBound(subkeys, foldedName);
  return it != subkeys.end() && (*it)->folded == foldedName ? *it : nullptr;
}

std::shared_ptr<RegistryNode> RegistryNode::AddSubkey(std::string_view subkeyName) {
  auto node = std::make_shared<RegistryNode>();
  node->name = subkeyName;
  node->folded = FoldName(subkeyName);
  node->parent = this;
  subkeys.insert(LowerBound(subkeys, node->folded), node);
  return node;
}

void RegistryNode::RemoveSubkey(const RegistryNode& subkey) {
  std::erase_if(subkeys, [&](const auto& node) { return node.get() == &subkey; });
}

RegistryNode::Value* RegistryNode::FindValue(std::u16string_view foldedName) {
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const Value& value) { return value.folded == foldedName; });
  return it == values.end() ? nullptr : &*it;
}

void RegistryNode::AddValue(std::string_view valueName, std::u16string foldedName,
                            const RegValue& value) {
  auto it =
      std::lower_bound(values.begin(), values.end(), foldedName,
                       [](const Value& v, std::u16string_view name) { return v.folded < name; });
  values.insert(it, {std::string(valueName), std::move(foldedName), value});
}

}  // namespace quellorn::platform
