#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace quellorn::platform::win32 {

// Removing and renaming a directory entry itself, never what a link there points to.
//
// Windows opens a symbolic link or junction as itself when asked to
// (FILE_FLAG_OPEN_REPARSE_POINT), and its DeleteFile, RemoveDirectory and MoveFile act on the
// link. Wine 8 resolves every link instead: its DeleteFile on a link removes the file the link
// points to, RemoveDirectory removes the (empty) folder it points to, MoveFile moves the target.
// So each operation here opens the entry, checks that the handle is the entry itself (its final
// path is the folder's final path plus the entry's name), and refuses with kAccessDenied when it
// is not, leaving the link and its target as they are.

enum class EntryKind {
  kFile,    // as DeleteFile: files and links to files; a folder gives kAccessDenied
  kFolder,  // as RemoveDirectory: folders and links to folders; a file gives ERROR_DIRECTORY
  kAny,
};

// The final path of a folder, to which the final paths of its entries are compared; empty when
// the file system cannot tell (then entries are trusted to open as themselves).
std::wstring FolderFinalPath(const std::wstring& folder);

// Removes `name` from `folder`. With clearReadOnly a read-only entry loses that attribute first,
// as the shell does; without, a read-only entry gives kAccessDenied as DeleteFile does.
Status RemoveEntry(const std::wstring& folder, const std::wstring& folderFinal,
                   const std::wstring& name, EntryKind kind, bool clearReadOnly);

// The same for an entry named by a full path.
Status RemovePath(std::wstring_view path, EntryKind kind, bool clearReadOnly);

// How many names lead to the data the entry opens: the hard links of the file, and one more when
// the entry is a link (Wine shows a link to a file as the plain file, so only the handle's final
// path tells it apart).
Status CountNames(std::wstring_view path, std::uint32_t& count);

// MoveFile of the entry itself: fails with kAlreadyExists when the target exists.
Status RenamePath(std::wstring_view from, std::wstring_view to);

}  // namespace quellorn::platform::win32
