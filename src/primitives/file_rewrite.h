#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Gives the file at `path` the new content: writes it beside the file under `temporary` (or,
// when that name is taken, the first free name made from it), forces it to the disk and puts
// it in the file's place in one step. On any failure the file keeps its old content and the
// temporary file is gone. True when the file holds the new content. A link, or a file with
// another hard link, is never replaced.
bool ReplaceContent(platform::FileSystem& files, std::string_view path, std::string_view temporary,
                    std::string_view content);

}  // namespace quellorn
