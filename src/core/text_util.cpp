#include "core/text_util.h"

#include <algorithm>

namespace quellorn {

char FoldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string ToLower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), FoldCase);
  return lower;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(x) == FoldCase(y);
         });
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view needle, std::size_t from) {
  if (from > text.size()) return std::string_view::npos;
  const auto found =
      std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                  needle.end(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
  return found == text.end() && !needle.empty() ? std::string_view::npos
                                                : static_cast<std::size_t>(found - text.begin());
}

bool ContainsIgnoreCase(std::string_view text, std::string_view needle) {
  return FindIgnoreCase(text, needle) != std::string_view::npos;
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t chars = 0; pos < text.size() && chars < count; ++chars) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
      ++pos;
  }
  return text.substr(0, pos);
}

namespace {

std::size_t Find(std::string_view text, std::string_view sought, std::size_t from,
                 Compare compare) {
  return compare == Compare::kText ? FindIgnoreCase(text, sought, from) : text.find(sought, from);
}

}  // namespace

std::string ReverseString(std::string_view text) {
  return std::string(text.rbegin(), text.rend());
}

std::size_t FindLast(std::string_view text, std::string_view sought, std::size_t start,
                     Compare compare) {
  // The last occurrence is the first one of the reversed sought text in the reversed text.
  if (start == 0 || sought.empty()) return 0;
  const std::size_t found = Find(ReverseString(text), ReverseString(sought), start - 1, compare);
  if (found == std::string::npos) return 0;
  return text.size() - (found + 1) - sought.size() + 2;
}

std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement, std::size_t start, int count,
                        Compare compare) {
  std::string result(text);
  if (sought.empty() || sought == replacement || start == 0) return result;
  int replaced = 0;
  for (std::size_t pos = Find(result, sought, start - 1, compare); pos != std::string::npos;
       pos = Find(result, sought, pos + replacement.size(), compare)) {
    result.replace(pos, sought.size(), replacement);
    if (++replaced == count) break;
  }
  return result;
}

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (!delimiter.empty()) {
    for (std::size_t pos = FindIgnoreCase(text, delimiter); pos != std::string_view::npos;
         pos = FindIgnoreCase(text, delimiter)) {
      pieces.emplace_back(text.substr(0, pos));
      text.remove_prefix(pos + delimiter.size());
    }
  }
  pieces.emplace_back(text);
  pieces.emplace_back();
  return pieces;
}

}  // namespace quellorn
