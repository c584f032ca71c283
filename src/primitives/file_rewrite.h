#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_text.h"
#include "platform/file_system.h"

namespace quellorn {

// Rewrites of files that belong to the user (browser profiles, files a plugin names): the
// file keeps either all of its old content or gets all of the new one, never a part.

// The lines of a text, bytes unchanged: a line ends at CR LF, LF or CR, and a line end at the
// very end starts no further line.
std::vector<std::string> SplitLines(std::string_view text);

// The file's lines; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(platform::FileSystem& files,
                                                  std::string_view path);

// ReplaceContent (core/file_text.h) gives such a file its new content.

}  // namespace quellorn
