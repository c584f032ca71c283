#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quellorn::platform {

// Conversions between the program's UTF-8 and the UTF-16 that Windows stores. Nothing here
// fails: what cannot be represented becomes U+FFFD, as MultiByteToWideChar does.

bool IsValidUtf8(std::string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Windows-1252, the 8-bit code page of files written by older systems.
std::u16string Cp1252ToUtf16(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);
// Characters Windows-1252 lacks become '?'.
std::string Utf8ToWindows1252(std::string_view text);

// The content of one of the program's own text files as UTF-8: a UTF-8 byte order mark is
// dropped, and a file that is not valid UTF-8 is read as Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

// UTF-16 code units as little-endian bytes, the layout of string data in the registry.
std::vector<std::uint8_t> Utf16ToLeBytes(std::u16string_view text);
// An odd trailing byte is dropped.
std::u16string LeBytesToUtf16(const std::uint8_t* data, std::size_t size);

}  // namespace quellorn::platform
