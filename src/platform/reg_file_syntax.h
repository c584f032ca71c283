#pragma once

// Pieces of the .reg grammar shared by its reader and its writer.

#include <array>
#include <string>
#include <string_view>

#include "platform/reg_file.h"

namespace quellorn::platform::reg_syntax {

inline constexpr std::u16string_view kVersion5Header = u"Windows Registry Editor Version 5.00";
inline constexpr std::u16string_view kRegedit4Header = u"REGEDIT4";

// The root keys a file may name, in the order the writer puts them. HKEY_DYN_DATA is a
// Windows 9x root; it is kept so that a machine's registry saves and loads whole.
inline constexpr std::array<RegHandle, 6> kFileRoots = {kClassesRoot, kCurrentUser,   kLocalMachine,
                                                        kUsers,       kCurrentConfig, kDynData};

inline bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}
std::u16string_view Trim(std::u16string_view text);

// A key path below its root with empty names dropped ("a\\b\" gives "a\b"), as UTF-8.
std::string NormalisePath(std::u16string_view path);

// Reads the text of a value line (`"name"=data` or `@=data`). String data of an 8-bit
// (REGEDIT4) file's hex(1), hex(2) and hex(7) values is converted from Windows-1252.
bool ParseValue(std::u16string_view text, bool eightBit, RegFileValue& value, std::string& error);

}  // namespace quellorn::platform::reg_syntax
