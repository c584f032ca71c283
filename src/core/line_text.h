#pragma once

#include <string>
#include <string_view>

namespace quellorn {

// Text as one line of the progress list, the activity log or a terminal. Names and data come
// from files and the registry and may hold anything, so control characters (C0, DEL, C1 and
// the Unicode line and paragraph separators) become escapes such as "\x1b" or "\u0085", and
// each byte that is not part of valid UTF-8 becomes "\xNN": a trace can neither break its
// line, forge another, steer a terminal nor make the log unreadable as UTF-8. A backslash
// stays a backslash, since Windows paths are full of them.
std::string OneLine(std::string_view text);

}  // namespace quellorn
