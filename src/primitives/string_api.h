#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

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
