#include "platform/win32/find_win32.h"

#include <cwchar>

#include "platform/win32/paths_win32.h"

namespace quellorn::platform::win32 {

namespace {

FoundEntry FromFindData(const WIN32_FIND_DATAW& data) {
  FoundEntry entry;
  entry.name = data.cFileName;
  entry.attributes = data.dwFileAttributes;
  entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return entry;
}

bool IsDotEntry(const wchar_t* name) {
  return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

Status FolderScan::Open(std::wstring_view folder) {
  const std::wstring path(TrimTrailingSeparators(folder));
  // The short names are never asked for, and a large fetch brings many entries a request.
  find_.reset(FindFirstFileExW(JoinPath(path, L"*").c_str(), FindExInfoBasic, &data_,
                               FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  pending_ = static_cast<bool>(find_);
  status_ = pending_ ? kSuccess : LastStatus();
  if (status_ == kFileNotFound && IsFolder(path)) status_ = kSuccess;
  return status_;
}

bool FolderScan::Next(FoundEntry& entry) {
  while (find_) {
    if (!pending_ && !FindNextFileW(find_.get(), &data_)) {
      const DWORD error = GetLastError();
      status_ = error == ERROR_NO_MORE_FILES ? kSuccess : FromWin32(error);
      find_.reset();
      return false;
    }
    pending_ = false;
    if (IsDotEntry(data_.cFileName)) continue;
    entry = FromFindData(data_);
    return true;
  }
  return false;
}

Status ListFolder(std::wstring_view folder, std::vector<FoundEntry>& entries) {
  entries.clear();
  FolderScan scan;
  if (Status status = scan.Open(folder); status != kSuccess) return status;
  FoundEntry entry;
  while (scan.Next(entry))
    entries.push_back(std::move(entry));
  return scan.status();
}

Status FindPath(std::wstring_view path, FoundEntry& entry) {
  if (HasWildcard(path)) return FromWin32(ERROR_INVALID_NAME);
  WIN32_FIND_DATAW data{};
  UniqueFind find(FindFirstFileW(std::wstring(TrimTrailingSeparators(path)).c_str(), &data));
  if (!find) return LastStatus();
  entry = FromFindData(data);
  return kSuccess;
}

}  // namespace quellorn::platform::win32
