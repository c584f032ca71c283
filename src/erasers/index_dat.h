#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

// Clears Internet Explorer's index files in place: the content becomes zero bytes, the file
// keeps its name and length. Nothing is counted; each cleared file is reported.

// The index files of the cache, the cookie folder and every history folder.
void CleanIndexDat(Context& ctx);
// Every index file below the folder, at any depth.
void CleanIndexFiles(Context& ctx, std::string folder);
// One file; a file that does not exist or cannot be written (another program holds it) is
// passed over without a line.
void CleanIndexFile(Context& ctx, std::string_view path);

}  // namespace quellorn
