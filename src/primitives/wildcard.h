#pragma once

#include <cstddef>
#include <string_view>

namespace quellorn {

// Whether a file's whole long name matches a wildcard: "*" any run of characters, "?" one
// character, letter case ignored. "*.*" and "" match every name, with or without a dot.
// Listings are filtered with this, never with the file system's own wildcard, whose 8.3
// aliases would widen a match.
bool WildcardMatch(std::string_view name, std::string_view pattern);

// Unanchored containment in order: the pieces of `pattern` between stars are found in `text`
// one after the other (each search starting where the previous piece was found). Answers the
// 1-based position of the first piece, 0 when a piece is missing; "*.*" always matches at 1.
// Exclusions use it on full paths, so an excluded name spares every path that contains it.
std::size_t MatchPattern(std::string_view text, std::string_view pattern, std::size_t start = 1,
                         bool ignoreCase = true);

}  // namespace quellorn
