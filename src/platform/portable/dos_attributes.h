#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>

#include "platform/status.h"

namespace quellorn::platform {

// File attributes kept the way Wine keeps them on a Unix file system: read-only is the
// absence of every write permission bit; hidden and system live in the extended attribute
// user.DOSATTRIB as hex text ("0x2", "0x4", "0x6"), which is removed when neither is set;
// every file carries the archive bit.

// The attributes of `path` whose lstat() gave `info`. A link answers kReparsePoint, with
// kDirectory when it leads to a folder (kArchive otherwise) and what its target carries of
// read-only, hidden and system.
std::uint32_t DosAttributes(const std::filesystem::path& path, const struct stat& info);

// Directory, read-only and archive of a file or folder whose lstat() gave `info`, without its
// extended attribute: what a walk needs of most entries.
std::uint32_t ModeAttributes(const struct stat& info);

// Changes read-only, hidden and system of a file or folder (not a link); other bits are
// ignored, and so is read-only on a folder, as Wine ignores it.
Status SetDosAttributes(const std::filesystem::path& path, std::uint32_t attributes);

}  // namespace quellorn::platform
