#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quellorn::platform {

// One key stroke of a key string.
struct KeyStroke {
  enum class Kind { kAltCharacter, kEnter, kTab };
  Kind kind = Kind::kEnter;
  char16_t character = 0;  // for kAltCharacter: a UTF-16 unit

  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// Parses a key string: "%" followed by a character is that character with the Alt key down,
// and "{ENTER}" and "{TAB}" (any letter case) are those keys. Nothing for any other text, a
// text that is not valid UTF-8 included. Plain characters are refused: a dialog box takes a
// typed character for a button's underlined letter as well, and without a match there it
// goes on looking in other programs' windows.
std::optional<std::vector<KeyStroke>> ParseKeys(std::string_view keys);

}  // namespace quellorn::platform
