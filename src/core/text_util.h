#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quellorn {

// Letter case is folded for ASCII letters only: names the program compares (sections, keys,
// file names it looks for) are ASCII, and other letters then compare exactly.
char FoldCase(char c);
std::string ToLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Position of `needle` in `text` at or after `from`, ignoring case; npos when absent.
std::size_t FindIgnoreCase(std::string_view text, std::string_view needle, std::size_t from = 0);
bool ContainsIgnoreCase(std::string_view text, std::string_view needle);

// Removes blanks (spaces and tabs) on both sides.
std::string_view Trim(std::string_view text);

// The first `count` characters of UTF-8 text (never splitting a character).
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace quellorn
