// The wildcard matchers against straightforward references of their documented meaning.
// Input: name "|" pattern "|" one byte for MatchPattern's start.
//
// WildcardMatch: the whole name matches; "*" is any run of characters, "?" one character,
// ASCII letters compare without case, other characters byte for byte. Characters are UTF-8
// sequences; names and patterns that are not valid UTF-8 are run only for crashes, since the
// meaning of "one character" there is the matcher's own choice.
// MatchPattern: the pieces between stars are found one after another, each search starting
// where the previous piece was found; the answer is the 1-based position of the first piece.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_machine.h"
#include "primitives/wildcard.h"

namespace {

using quellorn::fuzz::Require;

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The characters of a valid UTF-8 text; nothing for any other text.
std::optional<std::vector<std::string_view>> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead < 0xF8) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    } else if (lead >= 0x80) {
      return std::nullopt;
    }
    if (lead >= 0xF8 || i + length > text.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return std::nullopt;
    }
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

bool SameCharacter(std::string_view a, std::string_view b) {
  return a.size() == b.size() && (a.size() != 1 || Fold(a[0]) == Fold(b[0])) &&
         (a.size() == 1 || a == b);
}

// Table of "name[n..] matches pattern[p..]", filled from the ends.
bool ReferenceMatch(const std::vector<std::string_view>& name,
                    const std::vector<std::string_view>& pattern) {
  const std::size_t rows = name.size() + 1;
  std::vector<char> table(rows * (pattern.size() + 1), 0);
  auto at = [&](std::size_t n, std::size_t p) -> char& { return table[p * rows + n]; };
  at(name.size(), pattern.size()) = 1;
  for (std::size_t p = pattern.size(); p-- > 0;) {
    for (std::size_t n = rows; n-- > 0;) {
      if (pattern[p] == "*") {
        at(n, p) = at(n, p + 1) || (n < name.size() && at(n + 1, p));
      } else if (n < name.size()) {
        at(n, p) = (pattern[p] == "?" || SameCharacter(pattern[p], name[n])) && at(n + 1, p + 1);
      }
    }
  }
  return at(0, 0) != 0;
}

bool PieceAt(std::string_view text, std::size_t at, std::string_view piece, bool ignoreCase) {
  if (at + piece.size() > text.size()) return false;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    const char a = text[at + i];
    const char b = piece[i];
    if (ignoreCase ? Fold(a) != Fold(b) : a != b) return false;
  }
  return true;
}

std::size_t ReferencePattern(std::string_view text, std::string_view pattern, std::size_t start,
                             bool ignoreCase) {
  if (pattern == "*.*") return 1;
  std::size_t from = start == 0 ? 0 : start - 1;
  std::size_t first = 0;
  std::size_t begin = 0;
  for (std::size_t piece = 0; begin <= pattern.size(); ++piece) {
    const std::size_t star = std::min(pattern.find('*', begin), pattern.size());
    const std::string_view part = pattern.substr(begin, star - begin);
    std::size_t found = from;
    while (found <= text.size() && !PieceAt(text, found, part, ignoreCase))
      ++found;
    if (found > text.size()) return 0;
    if (piece == 0) first = found + 1;
    from = found;
    begin = star + 1;
  }
  return first;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts =
      quellorn::fuzz::SplitInput({reinterpret_cast<const char*>(data), size}, '|', 3);
  const std::string_view name = parts[0];
  const std::string_view pattern = parts[1];
  const std::size_t start = parts[2].empty() ? 1 : static_cast<unsigned char>(parts[2][0]) % 8;

  const bool matched = quellorn::WildcardMatch(name, pattern);
  const auto nameCharacters = Characters(name);
  const auto patternCharacters = Characters(pattern);
  if (nameCharacters && patternCharacters) {
    const bool everything = pattern.empty() || pattern == "*.*";
    Require(matched == (everything || ReferenceMatch(*nameCharacters, *patternCharacters)),
            "WildcardMatch differs from the reference");
  }

  for (const bool ignoreCase : {true, false}) {
    const std::size_t found = quellorn::MatchPattern(name, pattern, start, ignoreCase);
    Require(found == ReferencePattern(name, pattern, start, ignoreCase),
            "MatchPattern differs from the reference");
  }
  return 0;
}
