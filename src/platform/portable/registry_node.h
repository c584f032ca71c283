#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace quellorn::platform {

// One key of the in-memory registry. Subkeys and values stay sorted by folded name, as Wine
// keeps them, so that the two back ends the program is tested on list alike. A deleted key
// lives on, marked, for as long as a handle refers to it.
struct RegistryNode {
  struct Value {
    std::string name;
    std::u16string folded;
    RegValue value;
  };

  std::string name;
  std::u16string folded;
  RegistryNode* parent = nullptr;  // none for a root
  std::vector<std::shared_ptr<RegistryNode>> subkeys;
  std::vector<Value> values;
  bool deleted = false;

  RegistryNode() = default;
  ~RegistryNode();
  RegistryNode(const RegistryNode&) = delete;
  RegistryNode& operator=(const RegistryNode&) = delete;

  std::shared_ptr<RegistryNode> FindSubkey(std::u16string_view foldedName) const;
  std::shared_ptr<RegistryNode> AddSubkey(std::string_view subkeyName);
  void RemoveSubkey(const RegistryNode& subkey);

  Value* FindValue(std::u16string_view foldedName);
  void AddValue(std::string_view valueName, std::u16string foldedName, const RegValue& value);
};

}  // namespace quellorn::platform
