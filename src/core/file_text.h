#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quellorn {

// Whole-file helpers for the program's own small text files: each call opens, works and
// closes, so nothing is held open between operations.
std::optional<std::string> ReadWholeFile(platform::FileSystem& files, std::string_view path);
platform::Status WriteWholeFile(platform::FileSystem& files, std::string_view path,
                                std::string_view bytes);
platform::Status AppendToFile(platform::FileSystem& files, std::string_view path,
                              std::string_view bytes);

// A text file of the program as UTF-8 text (see DecodeTextFile); nothing when unreadable.
std::optional<std::string> ReadTextFile(platform::FileSystem& files, std::string_view path);

}  // namespace quellorn
