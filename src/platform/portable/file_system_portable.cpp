#include "platform/portable/file_system_portable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/name_fold.h"
#include "platform/portable/dos_attributes.h"
#include "platform/portable/host_errors.h"
#include "platform/portable/host_file.h"

namespace quellorn::platform {
namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr std::size_t kCopyBuffer = 1 << 20;

Status Errno() {
  return StatusFromErrno(errno);
}

// What a path is, links looked through only where asked.
struct Kind {
  bool exists = false;
  bool link = false;
  bool folder = false;    // a folder, or a link to one
  bool special = false;   // a pipe, socket or device, or a link to one: no file of Windows
  bool readOnly = false;  // of the file itself or the link's target
};

Kind KindFrom(const std::filesystem::path& path, struct stat info) {
  Kind kind;
  kind.exists = true;
  kind.link = S_ISLNK(info.st_mode);
  if (kind.link && ::stat(path.c_str(), &info) != 0) return kind;  // a dangling link
  kind.folder = S_ISDIR(info.st_mode);
  kind.special = !kind.folder && !S_ISREG(info.st_mode);
  kind.readOnly = (info.st_mode & kWriteBits) == 0;
  return kind;
}

Kind KindOf(const std::filesystem::path& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return Kind{};
  return KindFrom(path, info);
}

Kind KindOf(const HostPath& host) {
  return host.info ? KindFrom(host.path, *host.info) : KindOf(host.path);
}

bool Targets(const std::filesystem::path& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

int OpenFlags(OpenMode mode) {
  switch (mode) {
    case OpenMode::kRead:
      return O_RDONLY;
    case OpenMode::kReadWrite:
      return O_RDWR;
    case OpenMode::kTruncateExisting:
      return O_WRONLY | O_TRUNC;
    case OpenMode::kCreateAlways:
      return O_WRONLY | O_CREAT | O_TRUNC;
    case OpenMode::kAppend:
      return O_WRONLY | O_CREAT | O_APPEND;
  }
  return O_RDONLY;
}

// Opens a regular file and nothing else. The entry may have become a pipe since it was looked
// at: O_NONBLOCK keeps that open from waiting for the other end, and is cleared once the
// entry proves to be a file.
Status OpenRegular(const std::filesystem::path& path, int flags, UniqueFd& fd) {
  fd = UniqueFd(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666));
  if (!fd) return errno == ENXIO ? kAccessDenied : Errno();  // a pipe without reader, a socket
  struct stat info;
  if (::fstat(fd.get(), &info) != 0) return Errno();
  if (!S_ISREG(info.st_mode)) {
    fd = UniqueFd();
    return kAccessDenied;
  }
  int status = ::fcntl(fd.get(), F_GETFL);
  if (status < 0 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) != 0) return Errno();
  return kSuccess;
}

Status CopyContent(int from, UniqueFd to) {
  std::vector<char> buffer(kCopyBuffer);
  HostFile target{std::move(to)};
  for (;;) {
    ssize_t count = ::read(from, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return Errno();
    if (count == 0) return kSuccess;
    if (Status status = target.Write(buffer.data(), static_cast<std::size_t>(count));
        status != kSuccess) {
      return status;
    }
  }
}

// Both paths name one entry of one folder (a change of letter case only).
bool SameEntry(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat first, second;
  return a.parent_path() == b.parent_path() && ::lstat(a.c_str(), &first) == 0 &&
         ::lstat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino && SameName(a.filename().string(), b.filename().string());
}

// Forces a file's data, or a folder's entries, to the disk.
Status Sync(const std::filesystem::path& path, int flags) {
  UniqueFd fd(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC));
  if (!fd) return Errno();
  if (::fsync(fd.get()) != 0) return Errno();
  return kSuccess;
}

}  // namespace

std::unique_ptr<DirListing> PortableFileSystem::List(std::string_view folder) {
  HostPath host = resolver_.Resolve(folder);
  if (host.status != kSuccess) return nullptr;
  return HostListing::Open(host.path);
}

std::unique_ptr<DirListing> PortableFileSystem::ListForWalk(std::string_view folder) {
  HostPath host = resolver_.Resolve(folder);
  if (host.status != kSuccess) return nullptr;
  return HostListing::Open(host.path, false, &closer_);
}

std::uint32_t PortableFileSystem::GetAttributes(std::string_view path) {
  HostPath host = resolver_.Resolve(path);
  struct stat info;
  if (host.status != kSuccess || ::lstat(host.path.c_str(), &info) != 0) return attr::kInvalid;
  return DosAttributes(host.path, info);
}

Status PortableFileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  HostPath host = resolver_.Resolve(path);
  if (host.status != kSuccess) return host.status;
  return SetDosAttributes(host.path, attributes);
}

Status PortableFileSystem::LinkCount(std::string_view path, std::uint32_t& count) {
  HostPath host = resolver_.Resolve(path);
  if (host.status != kSuccess) return host.status;
  struct stat info;
  if (::lstat(host.path.c_str(), &info) != 0) return Errno();
  const bool link = S_ISLNK(info.st_mode);
  if (link && ::stat(host.path.c_str(), &info) != 0) return Errno();
  count = static_cast<std::uint32_t>(info.st_nlink) + (link ? 1 : 0);
  return kSuccess;
}

Status PortableFileSystem::Open(std::string_view path, OpenMode mode, std::unique_ptr<File>& file) {
  HostPath host = resolver_.Resolve(path);
  bool creates = mode == OpenMode::kCreateAlways || mode == OpenMode::kAppend;
  if (host.status != kSuccess && !(host.status == kFileNotFound && creates)) return host.status;
  Kind kind = KindOf(host);
  if (kind.folder || kind.special) return kAccessDenied;
  if (kind.link && !Targets(host.path)) return creates ? kAccessDenied : kFileNotFound;
  if (mode != OpenMode::kRead && kind.readOnly) return kAccessDenied;
  UniqueFd fd;
  if (Status status = OpenRegular(host.path, OpenFlags(mode), fd); status != kSuccess) {
    return status;
  }
  file = std::make_unique<HostFile>(std::move(fd));
  return kSuccess;
}

Status PortableFileSystem::Copy(std::string_view from, std::string_view to) {
  HostPath source = resolver_.Resolve(from);
  if (source.status != kSuccess) return source.status;
  if (!Targets(source.path)) return kFileNotFound;
  Kind kind = KindOf(source.path);
  if (kind.folder || kind.special) return kAccessDenied;
  HostPath target = resolver_.Resolve(to);
  if (target.status != kSuccess && target.status != kFileNotFound) return target.status;
  Kind existing = KindOf(target.path);
  if (existing.folder || existing.special || existing.readOnly) return kAccessDenied;
  struct stat sourceInfo, targetInfo;
  ::stat(source.path.c_str(), &sourceInfo);
  if (existing.exists && ::stat(target.path.c_str(), &targetInfo) == 0 &&
      sourceInfo.st_dev == targetInfo.st_dev && sourceInfo.st_ino == targetInfo.st_ino) {
    return kSharingViolation;  // a file copied onto itself
  }
  UniqueFd in;
  UniqueFd out;
  if (Status status = OpenRegular(source.path, O_RDONLY, in); status != kSuccess) return status;
  if (Status status = OpenRegular(target.path, O_WRONLY | O_CREAT | O_TRUNC, out);
      status != kSuccess) {
    return status;
  }
  if (Status status = CopyContent(in.get(), std::move(out)); status != kSuccess) {
    ::unlink(target.path.c_str());  // CopyFile leaves no partial copy behind
    return status;
  }
  // The copy carries the source's read-only, hidden and system, as CopyFile's does. A file
  // system without extended attributes keeps the copy without them.
  std::uint32_t attributes = DosAttributes(source.path, sourceInfo);
  SetDosAttributes(target.path, attributes & (attr::kReadOnly | attr::kHidden | attr::kSystem));
  return kSuccess;
}

Status PortableFileSystem::Rename(std::string_view from, std::string_view to) {
  HostPath source = resolver_.Resolve(from);
  if (source.status != kSuccess) return source.status;
  if (source.isRoot) return kAccessDenied;
  HostPath target = resolver_.Resolve(to);
  if (target.status == kSuccess) {
    if (!SameEntry(source.path, target.path)) return kAlreadyExists;
    // Only the letter case changes: the name as given replaces the old one.
    target.path = target.path.parent_path() / target.name;
    if (::rename(source.path.c_str(), target.path.c_str()) != 0) return Errno();
    return kSuccess;
  }
  if (target.status != kFileNotFound) return target.status;
  if (::renameat2(AT_FDCWD, source.path.c_str(), AT_FDCWD, target.path.c_str(), RENAME_NOREPLACE) !=
      0) {
    return Errno();
  }
  return kSuccess;
}

Status PortableFileSystem::Replace(std::string_view from, std::string_view to) {
  HostPath source = resolver_.Resolve(from);
  if (source.status != kSuccess) return source.status;
  Kind kind = KindOf(source.path);
  if (kind.folder || kind.special) return kAccessDenied;
  HostPath target = resolver_.Resolve(to);
  if (target.status != kSuccess && target.status != kFileNotFound) return target.status;
  Kind existing = KindOf(target.path);
  if (existing.folder || (!existing.link && existing.readOnly)) return kAccessDenied;
  // The content is on the disk before the new name points at it, and the name before the call
  // returns: a crash leaves the old file or the whole new one.
  if (Status status = Sync(source.path, O_RDONLY); status != kSuccess) return status;
  if (::rename(source.path.c_str(), target.path.c_str()) != 0) return Errno();
  Sync(target.path.parent_path(), O_RDONLY | O_DIRECTORY);
  if (source.path.parent_path() != target.path.parent_path()) {
    Sync(source.path.parent_path(), O_RDONLY | O_DIRECTORY);
  }
  return kSuccess;
}

Status PortableFileSystem::Delete(std::string_view path) {
  HostPath host = resolver_.Resolve(path);
  if (host.status != kSuccess) return host.status;
  Kind kind = KindOf(host);
  if (kind.folder || (!kind.link && kind.readOnly)) return kAccessDenied;
  if (::unlink(host.path.c_str()) != 0) return Errno();
  return kSuccess;
}

Status PortableFileSystem::CreateFolder(std::string_view path) {
  HostPath host = resolver_.Resolve(path);
  if (host.status == kSuccess) return kAlreadyExists;
  if (host.status != kFileNotFound) return host.status;
  if (::mkdir(host.path.c_str(), 0777) != 0) return Errno();
  return kSuccess;
}

Status PortableFileSystem::RemoveFolder(std::string_view path) {
  HostPath host = resolver_.Resolve(path);
  if (host.status != kSuccess) return host.status;
  if (host.isRoot) return kAccessDenied;
  Kind kind = KindOf(host);
  if (!kind.folder) return kDirectory;
  // A link to a folder goes by itself; what it points to stays.
  int result = kind.link ? ::unlink(host.path.c_str()) : ::rmdir(host.path.c_str());
  if (result != 0) return errno == EEXIST ? kDirNotEmpty : Errno();
  return kSuccess;
}

}  // namespace quellorn::platform
