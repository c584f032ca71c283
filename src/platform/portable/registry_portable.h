#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "platform/reg_file.h"
#include "platform/registry.h"

namespace quellorn::platform {

struct RegistryNode;

// The registry kept in memory, answering every call with the status Wine gives: names without
// regard to case (case preserved), subkeys and values enumerated in name order, handles to
// deleted keys answering kKeyDeleted. It uses no operating system call, so the Windows build
// can hold it next to the real registry.
class PortableRegistry : public Registry {
 public:
  PortableRegistry();
  ~PortableRegistry() override;
  PortableRegistry(const PortableRegistry&) = delete;
  PortableRegistry& operator=(const PortableRegistry&) = delete;

  // Runs after every change (the machine folder notes that registry.reg is out of date).
  void SetChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
  // Answers Flush (the machine folder saves registry.reg there).
  void SetFlushHandler(std::function<Status()> handler) { onFlush_ = std::move(handler); }

  // Every key of every root in tree order, each with its values; a root only when it has
  // values of its own.
  RegFile Export() const;

  Status OpenKey(RegHandle parent, std::string_view subKey, RegHandle& key) override;
  Status CreateKey(RegHandle parent, std::string_view subKey, RegHandle& key) override;
  Status CloseKey(RegHandle key) override;
  Status QueryValue(RegHandle key, std::string_view name, RegValue& value) override;
  Status SetValue(RegHandle key, std::string_view name, const RegValue& value) override;
  Status DeleteValue(RegHandle key, std::string_view name) override;
  Status DeleteKey(RegHandle parent, std::string_view subKey) override;
  Status EnumValue(RegHandle key, std::uint32_t index, std::string& name) override;
  Status EnumKey(RegHandle key, std::uint32_t index, std::string& name) override;
  Status Flush() override { return onFlush_ ? onFlush_() : kSuccess; }

 private:
  Status Resolve(RegHandle handle, std::shared_ptr<RegistryNode>& node) const;
  // The existing key `subKey` names below `parent`.
  Status FindKey(RegHandle parent, std::string_view subKey,
                 std::shared_ptr<RegistryNode>& node) const;
  // The node of a root handle; nullptr for any other handle.
  const RegistryNode* Root(RegHandle handle) const;
  RegHandle NewHandle(std::shared_ptr<RegistryNode> node);
  void Changed() const;

  // Indexed by the root handle's low bits; the performance data slot stays empty.
  std::array<std::shared_ptr<RegistryNode>, 7> roots_;
  std::map<RegHandle, std::shared_ptr<RegistryNode>> handles_;
  RegHandle nextHandle_ = 0x100;
  std::function<void()> onChange_;
  std::function<Status()> onFlush_;
};

}  // namespace quellorn::platform
