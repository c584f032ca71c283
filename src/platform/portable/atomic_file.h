#pragma once

#include <filesystem>
#include <string_view>

#include "platform/status.h"

namespace quellorn::platform {

// Replaces `path` with `content` so that a crash leaves either the old or the new file: the
// content goes to a temporary file beside it, is forced to disk, and is renamed over the
// old one. No temporary file remains, whatever happens.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace quellorn::platform
