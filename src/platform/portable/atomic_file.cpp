#include "platform/portable/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/portable/host_errors.h"
#include "platform/portable/host_fd.h"

namespace quellorn::platform {
namespace {

Status WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t count = ::write(fd, content.data(), content.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return StatusFromErrno(errno);
    content.remove_prefix(static_cast<std::size_t>(count));
  }
  return kSuccess;
}

// The rename itself reaches the disk when the folder is synchronised.
void SyncFolder(const std::filesystem::path& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd) ::fsync(fd.get());
}

}  // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
  std::string temporary = path.string() + ".XXXXXX";
  UniqueFd fd(::mkstemp(temporary.data()));
  if (!fd) return StatusFromErrno(errno);
  ::fchmod(fd.get(), 0644);  // mkstemp makes it private; the file it replaces was not
  Status status = WriteAll(fd.get(), content);
  if (status == kSuccess && ::fsync(fd.get()) != 0) status = StatusFromErrno(errno);
  fd = UniqueFd();
  if (status == kSuccess && ::rename(temporary.c_str(), path.c_str()) != 0) {
    status = StatusFromErrno(errno);
  }
  if (status != kSuccess) {
    ::unlink(temporary.c_str());
    return status;
  }
  SyncFolder(path.parent_path().empty() ? "." : path.parent_path());
  return kSuccess;
}

}  // namespace quellorn::platform
