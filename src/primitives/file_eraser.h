#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

struct Context;
class clsIniFile;

// Erases one file (or a folder with everything in it): a plain delete when secure erasing is
// off, otherwise overwrite passes, truncation, a rename to a meaningless free name and the
// delete. True when the item is gone, and always when the run does not erase. Neither a link
// nor a file with another hard link is overwritten: only this name is removed. A folder that
// cannot go whole keeps its name.
bool EraseFile(Context& ctx, std::string_view path);
// One pass of zero bytes over the whole file, forced to the disk; none over a link or a file
// with another hard link.
void OverwriteFile(Context& ctx, std::string_view path);

// The walks and EraseFile keep to the protected places (protected_places.h), refusing with a
// line what they may not erase.

// Erases every file below the folder, counting and reporting each; keeps the folders.
void EraseFolderTree(Context& ctx, std::string folder);
// Removes the folder's subfolders, each whole where possible, reporting each.
void EraseSubfolders(Context& ctx, std::string folder);
// Erases the files of a folder whose names match a wildcard (and, with includeSubfolders, of
// every folder below it), sparing the files the plugin item excludes.
void EraseMatchingFiles(Context& ctx, std::string folder, std::string_view pattern,
                        bool includeSubfolders, const clsIniFile* item);
// The same, sparing every path that an exclusion pattern matches (see MatchPattern).
void EraseMatchingFiles(Context& ctx, std::string folder, std::string_view pattern,
                        bool includeSubfolders, std::vector<std::string> exclusions);

// Whether the plugin item's exclusions (its ExFile entries) spare the file at `path`.
bool IsExcludedFile(const clsIniFile* item, std::string_view path);

}  // namespace quellorn
