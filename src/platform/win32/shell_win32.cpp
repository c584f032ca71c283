#include "platform/win32/shell_win32.h"

#include <vector>

#include "platform/win32/find_win32.h"
#include "platform/win32/link_safe_win32.h"
#include "platform/win32/paths_win32.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform {

namespace {

using win32::FoundEntry;

Status DeleteEntry(const std::wstring& folder, const std::wstring& folderFinal,
                   const FoundEntry& entry);

bool IsRealFolder(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

// Deletes everything in a folder, going on past entries that cannot go; answers the first
// failure.
Status EmptyFolder(const std::wstring& folder) {
  std::vector<FoundEntry> entries;
  if (Status status = win32::ListFolder(folder, entries); status != kSuccess) return status;
  const std::wstring folderFinal = win32::FolderFinalPath(folder);
  Status first = kSuccess;
  for (const FoundEntry& entry : entries) {
    const Status status = DeleteEntry(folder, folderFinal, entry);
    if (first == kSuccess) first = status;
  }
  return first;
}

// A link is never entered: it is removed as it is, whatever it points to.
Status DeleteEntry(const std::wstring& folder, const std::wstring& folderFinal,
                   const FoundEntry& entry) {
  Status contents = kSuccess;
  if (IsRealFolder(entry.attributes)) contents = EmptyFolder(win32::JoinPath(folder, entry.name));
  const Status own = win32::RemoveEntry(folder, folderFinal, entry.name, win32::EntryKind::kAny,
                                        /*clearReadOnly=*/true);
  return contents != kSuccess ? contents : own;
}

// ShellExecute answers failures with small numbers of its own; most are Win32 codes already.
Status FromShellExecute(INT_PTR result) {
  switch (result) {
    case 0:
      return win32::FromWin32(ERROR_NOT_ENOUGH_MEMORY);
    case SE_ERR_SHARE:
      return kSharingViolation;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
      return win32::FromWin32(ERROR_NO_ASSOCIATION);
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return win32::FromWin32(ERROR_DDE_FAIL);
    case SE_ERR_DLLNOTFOUND:
      return win32::FromWin32(ERROR_DLL_NOT_FOUND);
    default:
      return static_cast<Status>(result);
  }
}

}  // namespace

Status Win32Shell::Delete(std::string_view path) {
  std::wstring wide;
  if (!win32::ToFilePath(path, wide)) return kInvalidParameter;
  std::wstring folder;
  std::wstring name;
  // A drive or share root is never deleted whole.
  if (!win32::SplitLast(wide, folder, name)) return kInvalidParameter;
  FoundEntry entry;
  if (Status status = win32::FindPath(wide, entry); status != kSuccess) return status;
  return DeleteEntry(folder, win32::FolderFinalPath(folder), entry);
}

Status Win32Shell::Rename(std::string_view from, std::string_view to) {
  std::wstring source;
  std::wstring target;
  if (!win32::ToFilePath(from, source) || !win32::ToFilePath(to, target)) return kInvalidParameter;
  return win32::RenamePath(source, target);
}

Status Win32Shell::EmptyRecycleBin() {
  return win32::FromHresult(SHEmptyRecycleBinW(
      nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND));
}

Status Win32Shell::Start(std::string_view commandLine, ShowStyle style) {
  std::wstring command;
  if (!win32::ToWide(commandLine, command) || command.empty()) return kInvalidParameter;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(style);
  PROCESS_INFORMATION process{};
  // CreateProcessW may write into the command line, which std::wstring allows through data().
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return win32::LastStatus();
  win32::UniqueHandle processHandle(process.hProcess);
  win32::UniqueHandle threadHandle(process.hThread);
  return kSuccess;
}

Status Win32Shell::Open(std::string_view target, ShowStyle style) {
  std::wstring wide;
  if (!win32::ToWide(target, wide) || wide.empty()) return kInvalidParameter;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, static_cast<int>(style)));
  return result > 32 ? kSuccess : FromShellExecute(result);
}

}  // namespace quellorn::platform
