#include "platform/portable/host_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/portable/host_errors.h"
#include "platform/portable/host_fd.h"

namespace quellorn::platform {
namespace {

// The names in an open folder, read before anything in it changes.
std::vector<std::string> Names(int folder) {
  std::vector<std::string> names;
  DIR* dir = ::fdopendir(::dup(folder));
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(std::move(name));
  }
  ::closedir(dir);
  return names;
}

Status RemoveEntry(int parent, const std::string& name);

// Empties the folder open as `folder`. Every step works relative to the open folder and
// never follows a link, so a folder swapped for a link midway is not entered.
Status RemoveInside(int folder) {
  struct stat info;
  // Entries of a folder without write permission cannot go: grant it, as the shell would
  // clear read-only.
  if (::fstat(folder, &info) == 0 && (info.st_mode & S_IWUSR) == 0) {
    ::fchmod(folder, (info.st_mode & 07777) | S_IRWXU);
  }
  Status first = kSuccess;
  for (const std::string& name : Names(folder)) {
    Status status = RemoveEntry(folder, name);
    if (first == kSuccess) first = status;
  }
  return first;
}

Status RemoveEntry(int parent, const std::string& name) {
  struct stat info;
  if (::fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
    return StatusFromErrno(errno);
  }
  if (!S_ISDIR(info.st_mode)) {
    return ::unlinkat(parent, name.c_str(), 0) == 0 ? kSuccess : StatusFromErrno(errno);
  }
  UniqueFd folder(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!folder) return StatusFromErrno(errno);
  Status status = RemoveInside(folder.get());
  if (::unlinkat(parent, name.c_str(), AT_REMOVEDIR) != 0 && status == kSuccess) {
    status = StatusFromErrno(errno);
  }
  return status;
}

UniqueFd OpenFolder(const std::filesystem::path& folder) {
  return UniqueFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace

Status RemoveHostTree(const std::filesystem::path& path) {
  std::filesystem::path parent = path.parent_path();
  UniqueFd folder = OpenFolder(parent.empty() ? "." : parent);
  if (!folder) return StatusFromErrno(errno);
  return RemoveEntry(folder.get(), path.filename().string());
}

Status RemoveHostContents(const std::filesystem::path& folder) {
  UniqueFd open = OpenFolder(folder);
  if (!open) return StatusFromErrno(errno);
  return RemoveInside(open.get());
}

}  // namespace quellorn::platform
