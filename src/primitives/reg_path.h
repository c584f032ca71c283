#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace quellorn {

// A registry path is a root name, "\", and a key path, for example
// HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs.

// The root key named before the first "\" (letter case significant); 0 for any other name
// or a path without "\", on which every operation fails.
platform::RegHandle GetRootKey(std::string_view path);
// The name of a root key ("" for none); HKEY_USERS too, which no path names.
std::string GetRootName(platform::RegHandle root);
// The text after the first "\" (the whole text when there is none).
std::string GetSubkeyPath(std::string_view path);
// The text up to and including the last "\" ("" when there is none).
std::string GetFolderPart(std::string_view path);
// The text after the last "\" (the whole text when there is none).
std::string GetLastPart(std::string_view path);

// Whether a file path is full: "C:\..." or "\\server\...". Folders read from settings,
// the registry or plugin files are used only when they are: an empty or unreadable value
// would otherwise make the paths built on it start at the root of the current drive (or in the
// current folder), where other users' files lie.
bool IsFullPath(std::string_view path);

}  // namespace quellorn
