#pragma once

#include <string>

#include "erasers/keep_list.h"

namespace quellorn {

struct Context;

// Walks of Internet Explorer's folders that count and erase files while sparing its index
// files and the names on a keep list. Each takes the folder with or without its trailing
// backslash; none enters a link to a folder, which may lead anywhere on the disk.

// Counts the folder's own files that EraseKeepFolder erases. Files below its subfolders are
// counted by EraseKeepFolder as it erases them, so every erased file counts once.
void CountKeepFolder(Context& ctx, std::string folder, const KeepList& keep);
// Erases the folder's files except index files and keep-listed names, reporting each; a file
// that cannot be erased is taken back out of the totals that CountKeepFolder put it in. Then
// erases every file below its subfolders, counting and reporting each.
void EraseKeepFolder(Context& ctx, std::string folder, const KeepList& keep);

// Counts every file of the tree.
void CountTree(Context& ctx, std::string folder);
// Counts every file of the tree but index files.
void CountTreeSkipIndex(Context& ctx, std::string folder);
// Erases every file of the tree, each folder whole where it can; nothing is counted or shown.
void EraseTreeQuiet(Context& ctx, std::string folder);

}  // namespace quellorn
