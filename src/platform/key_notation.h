#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quellorn::platform {

// One key stroke of a key string.
struct KeyStroke {
  enum class Kind { kCharacter, kAltCharacter, kEnter, kTab };
  Kind kind = Kind::kCharacter;
  char16_t character = 0;  // a UTF-16 unit, for kCharacter and kAltCharacter

  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// Parses a key string: "%" followed by a character is that character with the Alt key down,
// "{ENTER}" and "{TAB}" (any letter case) are those keys, "{%}", "{{}" and "{}}" type the
// character in braces, and every other character of the UTF-8 text is typed as it is (a
// character beyond the basic plane as its two UTF-16 units).
// Nothing when the text holds an unknown name in braces, a lone brace, a "%" with nothing
// after it, or is not valid UTF-8.
std::optional<std::vector<KeyStroke>> ParseKeys(std::string_view keys);

}  // namespace quellorn::platform
