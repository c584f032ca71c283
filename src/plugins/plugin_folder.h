#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_file.h"

namespace quellorn {

struct Context;

inline constexpr std::string_view kPluginsFolder = "plugins";
inline constexpr std::string_view kCustomFolder = "Custom";

// Program folder + "\" + folder + "\" (the plugins or custom item folder).
std::string ItemFolderPath(const Context& ctx, std::string_view folder);

// The names of a folder's "*.qk" entries (hidden, system and folder entries included), in the
// one order that the task list and the run share: by name, ignoring letter case.
std::vector<std::string> ListItemFiles(Context& ctx, std::string_view folder);

// The item file `name` of the folder, read once for all its lookups; nothing when it cannot be
// read, and such an item never runs: it might be one the user turned off. A folder entry reads
// as an empty item.
std::optional<clsIniFile> ReadItemFile(Context& ctx, std::string_view folder,
                                       std::string_view name);

// The item's "selected" value as a number (its leading numeric part; 0 when there is none, so
// a missing key selects the item). 0 means the item runs.
std::int16_t SelectedValue(const clsIniFile& item);

// True when `name` can only be one file inside a folder: not empty, "." or "..", without a path
// separator, drive, stream, wildcard, quote or control character, not ending in a dot or blank,
// and not a device name such as CON or NUL (with or without an extension).
bool IsPlainFileName(std::string_view name);

// The name the task list shows: the file name without its extension's three characters.
std::string ItemDisplayName(std::string_view fileName);

}  // namespace quellorn
