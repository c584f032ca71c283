#include "primitives/wildcard.h"

#include "core/text_util.h"

namespace quellorn {

namespace {

// Length in bytes of the UTF-8 character at text[pos].
std::size_t CharLength(std::string_view text, std::size_t pos) {
  std::size_t end = pos + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    ++end;
  return end - pos;
}

}  // namespace

bool WildcardMatch(std::string_view name, std::string_view pattern) {
  if (pattern.empty() || pattern == "*.*") return true;
  // Greedy match that backtracks to the last star: no recursion, linear in practice.
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starP = std::string_view::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '?') {
      n += CharLength(name, n);
      ++p;
    } else if (p < pattern.size() && pattern[p] != '*' &&
               FoldCase(pattern[p]) == FoldCase(name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      starN += CharLength(name, starN);
      n = starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

std::size_t MatchPattern(std::string_view text, std::string_view pattern, std::size_t start,
                         bool ignoreCase) {
  if (pattern == "*.*") return 1;
  std::size_t searchFrom = start == 0 ? 0 : start - 1;
  std::size_t first = 0;
  bool isFirst = true;
  for (;;) {
    const std::size_t star = pattern.find('*');
    const std::string_view piece = pattern.substr(0, star);
    const std::size_t found =
        ignoreCase ? FindIgnoreCase(text, piece, searchFrom) : text.find(piece, searchFrom);
    if (found == std::string_view::npos) return 0;
    if (isFirst) first = found + 1;
    isFirst = false;
    searchFrom = found;
    if (star == std::string_view::npos) return first;
    pattern.remove_prefix(star + 1);
  }
}

}  // namespace quellorn
