#include "platform/portable/shell_portable.h"

#include <sys/stat.h>

#include <fstream>

#include "platform/portable/host_tree.h"

namespace quellorn::platform {

Status PortableShell::Delete(std::string_view path) {
  HostPath host = resolver_.Resolve(path);
  if (host.status != kSuccess) return host.status;
  if (host.isRoot) return kAccessDenied;
  return RemoveHostTree(host.path.has_filename() ? host.path : host.path.parent_path());
}

Status PortableShell::Rename(std::string_view from, std::string_view to) {
  return files_.Rename(from, to);
}

Status PortableShell::EmptyRecycleBin() {
  Status first = kSuccess;
  for (char letter : resolver_.DriveLetters()) {
    HostPath bin = resolver_.Resolve(std::string(1, letter) + ":\\RECYCLER");
    struct stat info;
    if (bin.status != kSuccess || ::lstat(bin.path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
      continue;
    }
    Status status = RemoveHostContents(bin.path);
    if (first == kSuccess) first = status;
  }
  return first;
}

Status PortableShell::Start(std::string_view commandLine, ShowStyle style) {
  return Log("start", style, commandLine);
}

Status PortableShell::Open(std::string_view target, ShowStyle style) {
  return Log("open", style, target);
}

Status PortableShell::Log(std::string_view verb, ShowStyle style, std::string_view text) {
  std::ofstream log(log_, std::ios::app | std::ios::binary);
  log << verb << ' ' << static_cast<int>(style) << ' ' << text << '\n';
  log.flush();
  return log ? kSuccess : kAccessDenied;
}

}  // namespace quellorn::platform
