#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "platform/text_encoding.h"

namespace quellorn::testing {

// Registry values as Windows stores them, and the names a key lists.

inline platform::RegValue Bytes(std::uint32_t type, std::initializer_list<std::uint8_t> data) {
  return {type, data};
}

// String data with its terminating NUL.
inline platform::RegValue Sz(std::u16string_view text,
                             std::uint32_t type = platform::reg_type::kSz) {
  std::u16string terminated(text);
  terminated += u'\0';
  return {type, platform::Utf16ToLeBytes(terminated)};
}

inline platform::RegValue Dword(std::uint32_t number) {
  return Bytes(platform::reg_type::kDword,
               {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)});
}

// In the order the registry enumerates them.
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
