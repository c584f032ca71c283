#pragma once

#include <string>
#include <string_view>

namespace quellorn::platform {

// Text inside the program is UTF-8. These convert at the edges: UTF-16 for the registry and
// the wide Win32 calls, Windows-1252 for files written by older installations.
bool IsValidUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);
// Unconvertible characters become '?'.
std::string Utf8ToWindows1252(std::string_view text);
// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The content of one of the program's own text files: a UTF-8 byte order mark is dropped,
// and a file that is not valid UTF-8 is read as Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

}  // namespace quellorn::platform
