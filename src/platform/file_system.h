#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace quellorn::platform {

// File attributes as Windows numbers them.
namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
inline constexpr std::uint32_t kReparsePoint = 0x400;
inline constexpr std::uint32_t kInvalid = 0xFFFFFFFF;
}  // namespace attr

struct DirEntry {
  std::string name;  // long name, UTF-8
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
};

// One folder listing, in the order the file system returns the entries ("." and ".." are
// never returned). Next answers false at the end, or when the listing fails midway; status()
// then tells which (kNoMoreItems at the end).
class DirListing {
 public:
  virtual ~DirListing() = default;
  virtual bool Next(DirEntry& entry) = 0;
  virtual Status status() const = 0;
  // Removes the file or link `name` of this folder through the open listing, as Shell::Delete
  // removes one (read-only included; a link itself, never what it points to), without finding
  // the folder again. A folder gives kAccessDenied; kNotSupported asks the caller to delete by
  // path.
  virtual Status RemoveFile(std::string_view /*name*/) { return kNotSupported; }
};

// An open file. Positions and sizes are 64-bit.
class File {
 public:
  virtual ~File() = default;
  virtual Status Read(void* buffer, std::size_t size, std::size_t& done) = 0;
  virtual Status Write(const void* data, std::size_t size) = 0;
  virtual Status Seek(std::uint64_t offset) = 0;
  virtual Status Size(std::uint64_t& size) = 0;
  // Cuts (or extends) the file at the current position.
  virtual Status SetEnd() = 0;
  // Forces written data through to the disk (FlushFileBuffers).
  virtual Status Flush() = 0;
};

enum class OpenMode {
  kRead,              // existing file, reading
  kReadWrite,         // existing file, reading and writing, content kept
  kTruncateExisting,  // existing file, writing, cut to zero length
  kCreateAlways,      // new or existing file, writing, cut to zero length
  kAppend,            // new or existing file, writing at its end
};

// The file system under Windows paths ("C:\\Temp\\a.txt", UTF-8). Paths are resolved without
// regard to letter case. No call follows a link or junction except to open a file.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Lists the entries of a folder; nullptr when the folder cannot be listed.
  virtual std::unique_ptr<DirListing> List(std::string_view folder) = 0;
  // As List, for walks that look at hidden and system only where those decide something: a
  // back end that keeps them apart from the entry may leave them out (then GetAttributes tells
  // them). Every other attribute, and the size, is as List reports it.
  virtual std::unique_ptr<DirListing> ListForWalk(std::string_view folder) { return List(folder); }

  // attr::kInvalid when the path does not exist.
  virtual std::uint32_t GetAttributes(std::string_view path) = 0;
  virtual Status SetAttributes(std::string_view path, std::uint32_t attributes) = 0;
  // How many names lead to the file's data: its hard links, and one more when the path is a
  // symbolic link to it. 1 means the path is the data's only name.
  virtual Status LinkCount(std::string_view path, std::uint32_t& count) = 0;

  // Opens a file, through a link. A folder, and anything else that is not a file (a pipe, a
  // device), gives kAccessDenied without waiting for it.
  virtual Status Open(std::string_view path, OpenMode mode, std::unique_ptr<File>& file) = 0;

  // CopyFile with bFailIfExists = false: replaces an existing target.
  virtual Status Copy(std::string_view from, std::string_view to) = 0;
  // MoveFile: fails with kAlreadyExists when the target exists.
  virtual Status Rename(std::string_view from, std::string_view to) = 0;
  // MoveFileEx with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: puts the file `from`
  // in the place of `to` in one step, so that `to` holds either its old content or all of the
  // new, and returns once the move is on the disk. A folder on either side, or a read-only
  // target, fails with kAccessDenied.
  virtual Status Replace(std::string_view from, std::string_view to) = 0;
  // DeleteFile: a file or a link; a read-only file cannot be deleted (kAccessDenied).
  virtual Status Delete(std::string_view path) = 0;
  virtual Status CreateFolder(std::string_view path) = 0;
  // RemoveDirectory: an empty folder, or a link to a folder (never what it points to).
  virtual Status RemoveFolder(std::string_view path) = 0;

  bool Exists(std::string_view path) { return GetAttributes(path) != attr::kInvalid; }
};

}  // namespace quellorn::platform
