#include "platform/win32/file_system_win32.h"

#include <optional>

#include "platform/win32/file_win32.h"
#include "platform/win32/find_win32.h"
#include "platform/win32/link_safe_win32.h"
#include "platform/win32/paths_win32.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform {

namespace {

using win32::ToFilePath;

class Win32DirListing final : public DirListing {
 public:
  Status Open(std::string_view folder) {
    std::wstring wide;
    if (!ToFilePath(folder, wide)) return kInvalidParameter;
    folder_ = std::wstring(win32::TrimTrailingSeparators(wide));
    return scan_.Open(folder_);
  }

  bool Next(DirEntry& entry) override {
    win32::FoundEntry found;
    if (!scan_.Next(found)) return false;
    entry.name = win32::ToUtf8(found.name);
    entry.attributes = found.attributes;
    entry.size = found.size;
    return true;
  }

  Status status() const override {
    return scan_.status() == kSuccess ? kNoMoreItems : scan_.status();
  }

  // The entry is opened as itself, checked to be no link's target and marked for deletion on
  // that one handle; the folder's final path, to which the check compares, is found once.
  Status RemoveFile(std::string_view name) override {
    std::wstring wide;
    if (!win32::ToWide(name, wide) || wide.empty() || wide.find_first_of(L"\\/") != wide.npos)
      return kInvalidName;
    if (!folderFinal_) folderFinal_ = win32::FolderFinalPath(folder_);
    return win32::RemoveEntry(folder_, *folderFinal_, wide, win32::EntryKind::kFile,
                              /*clearReadOnly=*/true);
  }

 private:
  std::wstring folder_;
  std::optional<std::wstring> folderFinal_;
  win32::FolderScan scan_;
};

struct OpenRequest {
  DWORD access;
  DWORD disposition;
};

OpenRequest RequestFor(OpenMode mode) {
  switch (mode) {
    case OpenMode::kRead:
      return {GENERIC_READ, OPEN_EXISTING};
    case OpenMode::kReadWrite:
      return {GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING};
    case OpenMode::kTruncateExisting:
      return {GENERIC_WRITE, TRUNCATE_EXISTING};
    case OpenMode::kCreateAlways:
      return {GENERIC_WRITE, CREATE_ALWAYS};
    case OpenMode::kAppend:
      // Without FILE_WRITE_DATA every write lands at the end, wherever others have put it.
      return {FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE, OPEN_ALWAYS};
  }
  return {GENERIC_READ, OPEN_EXISTING};
}

// Windows never lets a read-only file be opened for writing. Wine leaves that to the Unix
// permission bits, which do not stop root, so the rule is checked here before anything opens
// (a truncating open would otherwise cut the file first).
bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

Status OpenFile(const std::wstring& path, OpenMode mode, std::unique_ptr<File>& file) {
  const OpenRequest request = RequestFor(mode);
  if (mode != OpenMode::kRead && IsReadOnlyFile(path)) return kAccessDenied;
  win32::UniqueHandle handle(CreateFileW(
      path.c_str(), request.access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      request.disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return win32::LastStatus();
  file = std::make_unique<win32::Win32File>(std::move(handle));
  return kSuccess;
}

}  // namespace

std::unique_ptr<DirListing> Win32FileSystem::List(std::string_view folder) {
  auto listing = std::make_unique<Win32DirListing>();
  if (listing->Open(folder) != kSuccess) return nullptr;
  return listing;
}

std::uint32_t Win32FileSystem::GetAttributes(std::string_view path) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return attr::kInvalid;
  return GetFileAttributesW(wide.c_str());
}

Status Win32FileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return kInvalidParameter;
  return win32::StatusOf(SetFileAttributesW(wide.c_str(), attributes));
}

Status Win32FileSystem::LinkCount(std::string_view path, std::uint32_t& count) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return kInvalidParameter;
  return win32::CountNames(wide, count);
}

Status Win32FileSystem::Open(std::string_view path, OpenMode mode, std::unique_ptr<File>& file) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return kInvalidParameter;
  return OpenFile(wide, mode, file);
}

Status Win32FileSystem::Copy(std::string_view from, std::string_view to) {
  std::wstring source;
  std::wstring target;
  if (!ToFilePath(from, source) || !ToFilePath(to, target)) return kInvalidParameter;
  if (IsReadOnlyFile(target)) return kAccessDenied;
  return win32::StatusOf(CopyFileW(source.c_str(), target.c_str(), FALSE));
}

Status Win32FileSystem::Rename(std::string_view from, std::string_view to) {
  std::wstring source;
  std::wstring target;
  if (!ToFilePath(from, source) || !ToFilePath(to, target)) return kInvalidParameter;
  return win32::RenamePath(source, target);
}

Status Win32FileSystem::Replace(std::string_view from, std::string_view to) {
  std::wstring source;
  std::wstring target;
  if (!ToFilePath(from, source) || !ToFilePath(to, target)) return kInvalidParameter;
  const DWORD sourceAttributes = GetFileAttributesW(source.c_str());
  if (sourceAttributes == INVALID_FILE_ATTRIBUTES) return win32::LastStatus();
  const DWORD targetAttributes = GetFileAttributesW(target.c_str());
  const bool targetIsFolder = targetAttributes != INVALID_FILE_ATTRIBUTES &&
                              (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  // MoveFileEx would move a folder to a free name; Wine leaves a read-only target to the Unix
  // permission bits, which do not stop root.
  if ((sourceAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || targetIsFolder ||
      IsReadOnlyFile(target)) {
    return kAccessDenied;
  }
  return win32::StatusOf(MoveFileExW(source.c_str(), target.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

Status Win32FileSystem::Delete(std::string_view path) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return kInvalidParameter;
  return win32::RemovePath(wide, win32::EntryKind::kFile, false);
}

Status Win32FileSystem::CreateFolder(std::string_view path) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return kInvalidParameter;
  return win32::StatusOf(CreateDirectoryW(wide.c_str(), nullptr));
}

Status Win32FileSystem::RemoveFolder(std::string_view path) {
  std::wstring wide;
  if (!ToFilePath(path, wide)) return kInvalidParameter;
  return win32::RemovePath(wide, win32::EntryKind::kFolder, false);
}

}  // namespace quellorn::platform
