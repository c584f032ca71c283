#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

// Where Windows tells programs the current user's special folders are.
inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A value of the user's Shell Folders key as QueryValue reads it (kReadFailed when missing).
std::string ShellFolder(Context& ctx, std::string_view name);

// Whether a registry read gave a text to work with: neither the read marker nor empty. An
// empty folder path would name the root of the current drive.
bool HasText(std::string_view value);

}  // namespace quellorn
