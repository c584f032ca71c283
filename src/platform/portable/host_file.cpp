#include "platform/portable/host_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "platform/portable/dos_attributes.h"
#include "platform/portable/host_errors.h"
#include "platform/portable/path_resolver.h"

namespace quellorn::platform {

namespace {

constexpr int kHoldFlags = O_PATH | O_NOFOLLOW | O_CLOEXEC;

}  // namespace

Status HostFile::Read(void* buffer, std::size_t size, std::size_t& done) {
  done = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (done < size) {
    ssize_t count = ::read(fd_.get(), bytes + done, size - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return StatusFromErrno(errno);
    if (count == 0) break;
    done += static_cast<std::size_t>(count);
  }
  return kSuccess;
}

Status HostFile::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  for (std::size_t written = 0; written < size;) {
    ssize_t count = ::write(fd_.get(), bytes + written, size - written);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return StatusFromErrno(errno);
    written += static_cast<std::size_t>(count);
  }
  return kSuccess;
}

Status HostFile::Seek(std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
    return kInvalidParameter;
  }
  if (::lseek(fd_.get(), static_cast<off_t>(offset), SEEK_SET) < 0) return StatusFromErrno(errno);
  return kSuccess;
}

Status HostFile::Size(std::uint64_t& size) {
  struct stat info;
  if (::fstat(fd_.get(), &info) != 0) return StatusFromErrno(errno);
  size = static_cast<std::uint64_t>(info.st_size);
  return kSuccess;
}

Status HostFile::SetEnd() {
  off_t position = ::lseek(fd_.get(), 0, SEEK_CUR);
  if (position < 0 || ::ftruncate(fd_.get(), position) != 0) return StatusFromErrno(errno);
  return kSuccess;
}

Status HostFile::Flush() {
  if (::fsync(fd_.get()) != 0) return StatusFromErrno(errno);
  return kSuccess;
}

std::unique_ptr<HostListing> HostListing::Open(const std::filesystem::path& folder,
                                               bool hiddenAndSystem, DeferredClose* closer) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return nullptr;
  return std::unique_ptr<HostListing>(new HostListing(folder, dir, hiddenAndSystem, closer));
}

HostListing::~HostListing() {
  if (closer_ != nullptr) closer_->Flush();
}

bool HostListing::Next(DirEntry& entry) {
  for (;;) {
    errno = 0;
    const dirent* found = ::readdir(dir_.get());
    if (found == nullptr) break;
    std::string_view name = found->d_name;
    // A name Windows does not allow would be read as a path ("a\..\b") by whoever joins it to
    // the folder's path, and so stand for another entry.
    if (name == "." || name == ".." || !IsWindowsName(name)) continue;
    // Relative to the open folder: the kernel need not walk the whole path again.
    struct stat info;
    if (::fstatat(::dirfd(dir_.get()), found->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
      continue;  // gone since the folder was read
    }
    // Pipes, sockets and devices are no files Windows would list: opening one may wait forever.
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode) && !S_ISLNK(info.st_mode)) continue;
    entry.name = name;
    entry.attributes = hiddenAndSystem_ || S_ISLNK(info.st_mode)
                           ? DosAttributes(folder_ / name, info)
                           : ModeAttributes(info);
    entry.size = S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
    return true;
  }
  status_ = errno == 0 ? kNoMoreItems : StatusFromErrno(errno);
  return false;
}

Status HostListing::RemoveFile(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || !IsWindowsName(name)) return kInvalidName;
  const std::string file(name);
  const int folder = ::dirfd(dir_.get());
  // A descriptor that only names the file (a link itself) keeps its blocks until the closer
  // takes it, so the run need not wait for them to be freed.
  UniqueFd held;
  if (closer_ != nullptr) held = UniqueFd(::openat(folder, file.c_str(), kHoldFlags));
  // unlinkat removes a link itself and refuses a folder, relative to the folder still open.
  if (::unlinkat(folder, file.c_str(), 0) != 0)
    return errno == EISDIR ? kAccessDenied : StatusFromErrno(errno);
  if (held) closer_->Add(std::move(held));
  return kSuccess;
}

}  // namespace quellorn::platform
