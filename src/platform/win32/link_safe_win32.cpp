#include "platform/win32/link_safe_win32.h"

#include <algorithm>
#include <vector>

#include "platform/win32/find_win32.h"
#include "platform/win32/paths_win32.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Opens folders too, and a link as the link.
constexpr DWORD kOpenAsItself = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;
// The attributes FILE_BASIC_INFO may set besides read-only.
constexpr DWORD kSettable = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring FinalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    // A buffer that is too small is answered with the size it needs, NUL included.
    const bool fits = length < path.size();
    path.resize(length);
    if (fits) return path;
  }
}

// Whether the entry at `path` is the file the handle has open.
bool SameFile(HANDLE handle, const std::wstring& path) {
  UniqueHandle other(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION mine;
  BY_HANDLE_FILE_INFORMATION theirs;
  return other && GetFileInformationByHandle(handle, &mine) &&
         GetFileInformationByHandle(other.get(), &theirs) &&
         mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
         mine.nFileIndexHigh == theirs.nFileIndexHigh && mine.nFileIndexLow == theirs.nFileIndexLow;
}

// Whether the handle opened as `name` in the folder is that entry. Wine drops the trailing dots
// and blanks of every name from a final path ("keep.txt." reads "keep.txt"): such a path is
// the entry's own unless the handle is another entry of the folder whose name differs only
// there, which a link would have opened.
bool IsEntryItself(HANDLE handle, const std::wstring& folder, const std::wstring& folderFinal,
                   const std::wstring& name) {
  const std::wstring final = FinalPath(handle);
  if (final.empty() || SamePath(final, JoinPath(folderFinal, name))) return true;
  const std::wstring shorter = WithoutTrailingDots(name);
  if (shorter == name || !SamePath(final, JoinPath(folderFinal, shorter))) return false;
  std::vector<FoundEntry> entries;
  if (ListFolder(folder, entries) != kSuccess) return false;
  return std::none_of(entries.begin(), entries.end(), [&](const FoundEntry& entry) {
    return entry.name != name && SamePath(WithoutTrailingDots(entry.name), shorter) &&
           SameFile(handle, JoinPath(folder, entry.name));
  });
}

// Opens the entry as itself and makes sure the handle is that entry and not a link's target.
Status OpenEntry(const std::wstring& folder, const std::wstring& folderFinal,
                 const std::wstring& name, DWORD access, UniqueHandle& handle) {
  const std::wstring path = JoinPath(folder, name);
  handle.reset(
      CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, kOpenAsItself, nullptr));
  if (!handle) return LastStatus();
  if (folderFinal.empty() || IsEntryItself(handle.get(), folder, folderFinal, name)) {
    return kSuccess;
  }
  handle.reset();
  return kAccessDenied;
}

Status CheckKind(DWORD attributes, EntryKind kind) {
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (kind == EntryKind::kFile && folder) return kAccessDenied;
  if (kind == EntryKind::kFolder && !folder) return FromWin32(ERROR_DIRECTORY);
  return kSuccess;
}

Status ClearReadOnly(HANDLE handle, DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return kSuccess;
  FILE_BASIC_INFO changed{};  // zero times leave the time stamps as they are
  changed.FileAttributes = attributes & kSettable;
  if (changed.FileAttributes == 0) changed.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  return StatusOf(SetFileInformationByHandle(handle, FileBasicInfo, &changed, sizeof changed));
}

// The entry goes when its last handle closes.
Status MarkForDeletion(HANDLE handle) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  return StatusOf(
      SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition));
}

}  // namespace

std::wstring FolderFinalPath(const std::wstring& folder) {
  UniqueHandle handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return handle ? FinalPath(handle.get()) : std::wstring();
}

Status RemoveEntry(const std::wstring& folder, const std::wstring& folderFinal,
                   const std::wstring& name, EntryKind kind, bool clearReadOnly) {
  const DWORD access = DELETE | FILE_READ_ATTRIBUTES | (clearReadOnly ? FILE_WRITE_ATTRIBUTES : 0);
  UniqueHandle handle;
  if (Status status = OpenEntry(folder, folderFinal, name, access, handle); status != kSuccess)
    return status;
  FILE_BASIC_INFO info{};
  if (!GetFileInformationByHandleEx(handle.get(), FileBasicInfo, &info, sizeof info))
    return LastStatus();
  if (Status status = CheckKind(info.FileAttributes, kind); status != kSuccess) return status;
  if (clearReadOnly) {
    if (Status status = ClearReadOnly(handle.get(), info.FileAttributes); status != kSuccess)
      return status;
  }
  return MarkForDeletion(handle.get());
}

Status RemovePath(std::wstring_view path, EntryKind kind, bool clearReadOnly) {
  std::wstring folder;
  std::wstring name;
  if (!SplitLast(path, folder, name)) return kInvalidParameter;
  FoundEntry entry;
  if (Status status = FindPath(path, entry); status != kSuccess) return status;
  return RemoveEntry(folder, FolderFinalPath(folder), entry.name, kind, clearReadOnly);
}

Status CountNames(std::wstring_view path, std::uint32_t& count) {
  std::wstring folder;
  std::wstring name;
  if (!SplitLast(path, folder, name)) return kInvalidParameter;
  FoundEntry entry;
  if (Status status = FindPath(path, entry); status != kSuccess) return status;
  // No access to the data is asked for, so a file in use answers too.
  const std::wstring entryPath = JoinPath(folder, entry.name);
  UniqueHandle handle(CreateFileW(entryPath.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return LastStatus();
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle.get(), &info)) return LastStatus();
  count = info.nNumberOfLinks;
  // Wine shows a link to a file as the plain file: then the name leads to another entry.
  const std::wstring folderFinal = FolderFinalPath(folder);
  if (!folderFinal.empty() && !IsEntryItself(handle.get(), folder, folderFinal, entry.name))
    ++count;
  return kSuccess;
}

Status RenamePath(std::wstring_view from, std::wstring_view to) {
  std::wstring folder;
  std::wstring name;
  if (!SplitLast(from, folder, name)) return kInvalidParameter;
  FoundEntry entry;
  if (Status status = FindPath(from, entry); status != kSuccess) return status;
  UniqueHandle handle;
  if (Status status =
          OpenEntry(folder, FolderFinalPath(folder), entry.name, FILE_READ_ATTRIBUTES, handle);
      status != kSuccess)
    return status;
  handle.reset();
  const std::wstring source(TrimTrailingSeparators(from));
  const std::wstring target(TrimTrailingSeparators(to));
  if (MoveFileW(source.c_str(), target.c_str())) return kSuccess;
  // Windows answers a name that is taken with either code; callers test for one.
  const DWORD error = GetLastError();
  return error == ERROR_FILE_EXISTS ? kAlreadyExists : FromWin32(error);
}

}  // namespace quellorn::platform::win32
