#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace quellorn::testing {

// Registry values and listings built the way tests need them.

inline platform::RegValue Utf16Value(std::uint32_t type, std::u16string_view text) {
  platform::RegValue value{type, {}};
  for (char16_t unit : text) {
    value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return value;
}

inline platform::RegValue DwordValue(std::uint32_t number) {
  return {platform::reg_type::kDword,
          {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
           static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

inline std::vector<std::string> ValueNames(platform::Registry& registry, platform::RegHandle key) {
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t i = 0; registry.EnumValue(key, i, name) == platform::kSuccess; ++i)
    names.push_back(name);
  return names;
}

inline std::vector<std::string> SubkeyNames(platform::Registry& registry, platform::RegHandle key) {
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t i = 0; registry.EnumKey(key, i, name) == platform::kSuccess; ++i)
    names.push_back(name);
  return names;
}

}  // namespace quellorn::testing
