#pragma once

#include <filesystem>

#include "platform/status.h"

namespace quellorn::platform {

// Removes a file, a link or a folder with everything in it, the way the shell deletes: read-
// only files and folders go too, and a link is removed itself, never entered, so nothing
// outside the tree is touched. Goes on past entries it cannot remove and answers the first
// failure.
Status RemoveHostTree(const std::filesystem::path& path);

// Removes everything inside a folder, keeping the folder.
Status RemoveHostContents(const std::filesystem::path& folder);

}  // namespace quellorn::platform
