#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/registry.h"

namespace quellorn::testing {

// A registry that passes every call to a real one and remembers each change made through it,
// so that Undo() can put the real registry back as it was: changed values get their old data
// back, new values and keys go (with whatever was put into the keys since), and deleted keys
// come back with their values.
class UndoingRegistry final : public platform::Registry {
 public:
  explicit UndoingRegistry(platform::Registry& real) : real_(real) {}

  // Reverts every recorded change, newest first, and forgets them. Answers what could not be
  // put back, one line each.
  std::vector<std::string> Undo();

  platform::Status OpenKey(platform::RegHandle parent, std::string_view subKey,
                           platform::RegHandle& key) override;
  platform::Status CreateKey(platform::RegHandle parent, std::string_view subKey,
                             platform::RegHandle& key) override;
  platform::Status CloseKey(platform::RegHandle key) override;
  platform::Status QueryValue(platform::RegHandle key, std::string_view name,
                              platform::RegValue& value) override {
    return real_.QueryValue(key, name, value);
  }
  platform::Status SetValue(platform::RegHandle key, std::string_view name,
                            const platform::RegValue& value) override;
  platform::Status DeleteValue(platform::RegHandle key, std::string_view name) override;
  platform::Status DeleteKey(platform::RegHandle parent, std::string_view subKey) override;
  platform::Status EnumValue(platform::RegHandle key, std::uint32_t index,
                             std::string& name) override {
    return real_.EnumValue(key, index, name);
  }
  platform::Status EnumKey(platform::RegHandle key, std::uint32_t index,
                           std::string& name) override {
    return real_.EnumKey(key, index, name);
  }
  platform::Status Flush() override { return real_.Flush(); }

 private:
  // A key by its root and its path below the root ("" for the root itself).
  struct KeyPath {
    platform::RegHandle root = 0;
    std::string path;
  };
  struct ValueChanged {
    KeyPath key;
    std::string name;
    std::optional<platform::RegValue> before;  // nothing: the value did not exist
  };
  struct KeyCreated {
    KeyPath key;
  };
  struct KeyDeleted {
    KeyPath key;
    std::vector<std::pair<std::string, platform::RegValue>> values;
  };
  using Change = std::variant<ValueChanged, KeyCreated, KeyDeleted>;

  std::optional<KeyPath> PathOf(platform::RegHandle key) const;
  std::optional<std::string> FirstMissing(platform::RegHandle parent, std::string_view subKey);
  std::vector<std::pair<std::string, platform::RegValue>> ValuesOf(platform::RegHandle parent,
                                                                   std::string_view subKey);
  // Makes the change to the value and records what it was before.
  platform::Status ChangeValue(platform::RegHandle key, std::string_view name,
                               const std::function<platform::Status()>& change);
  void Revert(const ValueChanged& change, std::vector<std::string>& problems);
  void Revert(const KeyCreated& change, std::vector<std::string>& problems);
  void Revert(const KeyDeleted& change, std::vector<std::string>& problems);

  platform::Registry& real_;
  std::map<platform::RegHandle, KeyPath> open_;
  std::vector<Change> changes_;
};

}  // namespace quellorn::testing
