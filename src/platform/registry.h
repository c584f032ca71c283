#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/status.h"

namespace quellorn::platform {

// An open registry key. The predefined root keys use their documented 32-bit values;
// other handles are opaque numbers issued by the back end.
using RegHandle = std::uint64_t;

inline constexpr RegHandle kClassesRoot = 0x80000000;
inline constexpr RegHandle kCurrentUser = 0x80000001;
inline constexpr RegHandle kLocalMachine = 0x80000002;
inline constexpr RegHandle kUsers = 0x80000003;
inline constexpr RegHandle kPerformanceData = 0x80000004;
inline constexpr RegHandle kCurrentConfig = 0x80000005;
inline constexpr RegHandle kDynData = 0x80000006;

// Value types as Windows numbers them.
namespace reg_type {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kSz = 1;
inline constexpr std::uint32_t kExpandSz = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kDwordBigEndian = 5;
inline constexpr std::uint32_t kLink = 6;
inline constexpr std::uint32_t kMultiSz = 7;
inline constexpr std::uint32_t kQword = 11;
}  // namespace reg_type

// A value exactly as the registry stores it: string types hold UTF-16LE code units with
// whatever terminating NULs the writer gave them.
struct RegValue {
  std::uint32_t type = reg_type::kNone;
  std::vector<std::uint8_t> data;

  friend bool operator==(const RegValue&, const RegValue&) = default;
};

// The registry as the wide-character Win32 calls show it. Names are UTF-8 and compared
// without regard to letter case; every call answers with the status Windows would return.
class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyEx: opens an existing subkey (an empty subkey reopens `parent`).
  virtual Status OpenKey(RegHandle parent, std::string_view subKey, RegHandle& key) = 0;
  // RegCreateKeyEx: opens the subkey, creating it and any missing parents.
  virtual Status CreateKey(RegHandle parent, std::string_view subKey, RegHandle& key) = 0;
  virtual Status CloseKey(RegHandle key) = 0;

  // An empty name addresses the key's default value.
  virtual Status QueryValue(RegHandle key, std::string_view name, RegValue& value) = 0;
  virtual Status SetValue(RegHandle key, std::string_view name, const RegValue& value) = 0;
  virtual Status DeleteValue(RegHandle key, std::string_view name) = 0;
  // RegDeleteKey: removes a subkey that has no subkeys of its own (kAccessDenied otherwise).
  virtual Status DeleteKey(RegHandle parent, std::string_view subKey) = 0;

  // Names of any length; kNoMoreItems after the last one.
  virtual Status EnumValue(RegHandle key, std::uint32_t index, std::string& name) = 0;
  virtual Status EnumKey(RegHandle key, std::uint32_t index, std::string& name) = 0;

  // A point where the changes so far are made to last (RegFlushKey of the whole registry). Runs
  // call it between items; a registry that keeps every change as it is made has nothing to do.
  virtual Status Flush() { return kSuccess; }
};

// Owns an open key and closes it when it goes out of scope.
class RegKey {
 public:
  RegKey() = default;
  RegKey(Registry& registry, RegHandle handle) : registry_(&registry), handle_(handle) {}
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  RegKey(RegKey&& other) noexcept { *this = std::move(other); }
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Close();
      registry_ = other.registry_;
      handle_ = other.handle_;
      other.handle_ = 0;
    }
    return *this;
  }
  ~RegKey() { Close(); }

  static Status Open(Registry& registry, RegHandle parent, std::string_view subKey, RegKey& key) {
    RegHandle handle = 0;
    Status status = registry.OpenKey(parent, subKey, handle);
    if (status == kSuccess) key = RegKey(registry, handle);
    return status;
  }
  static Status Create(Registry& registry, RegHandle parent, std::string_view subKey, RegKey& key) {
    RegHandle handle = 0;
    Status status = registry.CreateKey(parent, subKey, handle);
    if (status == kSuccess) key = RegKey(registry, handle);
    return status;
  }

  RegHandle get() const { return handle_; }
  explicit operator bool() const { return handle_ != 0; }

 private:
  void Close() {
    if (handle_ != 0) registry_->CloseKey(handle_);
    handle_ = 0;
  }

  Registry* registry_ = nullptr;
  RegHandle handle_ = 0;
};

}  // namespace quellorn::platform
