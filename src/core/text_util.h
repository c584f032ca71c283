#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

enum class Compare { kBinary, kText };  // kText ignores letter case

std::string ReverseString(std::string_view text);

// 1-based position of the last occurrence of `sought`, 0 for none; `start` skips that many
// characters minus one at the end of the text.
std::size_t FindLast(std::string_view text, std::string_view sought, std::size_t start = 1,
                     Compare compare = Compare::kText);

// Replaces occurrences of `sought` from the 1-based position `start` on, at most `count`
// times (-1: all). Searching resumes after each inserted replacement.
std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement, std::size_t start = 1, int count = -1,
                        Compare compare = Compare::kBinary);

// The pieces between delimiters (found ignoring case), always followed by one empty piece:
// "a,b" gives "a", "b", "". Every comma-separated list of the program is split this way.
std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter);

}  // namespace quellorn
