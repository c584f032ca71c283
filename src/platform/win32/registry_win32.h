#pragma once

#include "platform/registry.h"

namespace quellorn::platform {

// The registry through the wide-character Win32 calls. Handles are the HKEY values themselves;
// the predefined root keys keep their 32-bit numbers.
class Win32Registry final : public Registry {
 public:
  Status OpenKey(RegHandle parent, std::string_view subKey, RegHandle& key) override;
  Status CreateKey(RegHandle parent, std::string_view subKey, RegHandle& key) override;
  Status CloseKey(RegHandle key) override;
  Status QueryValue(RegHandle key, std::string_view name, RegValue& value) override;
  Status SetValue(RegHandle key, std::string_view name, const RegValue& value) override;
  Status DeleteValue(RegHandle key, std::string_view name) override;
  Status DeleteKey(RegHandle parent, std::string_view subKey) override;
  Status EnumValue(RegHandle key, std::uint32_t index, std::string& name) override;
  Status EnumKey(RegHandle key, std::uint32_t index, std::string& name) override;
};

}  // namespace quellorn::platform
