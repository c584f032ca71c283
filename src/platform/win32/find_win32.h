#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

// One entry of a folder as FindFirstFile/FindNextFile report it.
struct FoundEntry {
  std::wstring name;  // the long name
  DWORD attributes = 0;
  std::uint64_t size = 0;
};

// Walks the entries of one folder in the order the file system gives them, without "." and "..".
class FolderScan {
 public:
  // Starts the listing. A folder that exists but has no entries at all (a drive root can be
  // one) lists as empty rather than failing.
  Status Open(std::wstring_view folder);
  // False at the end of the listing, and when it fails midway (status() tells which).
  bool Next(FoundEntry& entry);
  Status status() const { return status_; }

 private:
  UniqueFind find_;
  WIN32_FIND_DATAW data_{};
  bool pending_ = false;
  Status status_ = kSuccess;
};

// Every entry of a folder, collected before the caller changes anything in it.
Status ListFolder(std::wstring_view folder, std::vector<FoundEntry>& entries);

// The entry a path names (no wildcards), with its long name as the folder lists it.
Status FindPath(std::wstring_view path, FoundEntry& entry);

}  // namespace quellorn::platform::win32
