#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

// Whether the path names a file (not a folder).
bool IsExistingFile(Context& ctx, std::string_view path);

// Erases one file that a browser keeps in its own folder with EraseFile; once it is gone (in a
// test run, always) counts it and reports "Erasing File <path> <OK>" (the log says "Erasing
// <path> <OK>"). A file that is not there, or that stays, is passed over without a line.
void EraseBrowserFile(Context& ctx, std::string_view path);

// Whether the folder directly holds at least one file that is neither hidden nor system: a
// browser cache that holds only subfolders or hidden files is left alone.
bool HoldsOrdinaryFiles(Context& ctx, std::string folder);

}  // namespace quellorn
