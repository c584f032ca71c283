#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace quellorn::platform {

// Where a Windows path lies on the host, and whether it is there.
struct HostPath {
  // kSuccess: it exists. kFileNotFound: its folder exists, it does not (path then names the
  // missing entry in that folder). kPathNotFound: a folder on the way is missing or no folder.
  // kInvalidName: a name Windows does not allow.
  Status status = kPathNotFound;
  std::filesystem::path path;
  bool isRoot = false;              // the root folder of a drive
  std::string name;                 // the last name as the Windows path spelled it
  std::optional<struct stat> info;  // lstat of path, when resolving already asked for it
};

// Whether Windows allows `name` as one name in a folder: no separator, wildcard, colon,
// quote, angle bracket, bar or control character. Host entries with other names cannot be
// addressed by a Windows path.
bool IsWindowsName(std::string_view name);

// Maps Windows paths ("C:\Temp\a.txt", '/' also accepted) onto the drive folders of a
// machine. Names are matched without regard to case, one at a time: the exact name when it
// exists, else the first entry of the folder that matches. "." and ".." are resolved in the
// text and never climb above the drive's root. A last name that no entry bears as given loses
// its trailing dots and blanks, as Windows drops them from a typed path. Links on the way are
// followed; the last name is not.
class PathResolver {
 public:
  // drives: lower-case letter to folder (relative to machineFolder, or absolute).
  PathResolver(const std::filesystem::path& machineFolder,
               const std::map<char, std::string>& drives);

  HostPath Resolve(std::string_view windowsPath) const;

  // The letters of the drives, lower case, in order.
  std::vector<char> DriveLetters() const;

 private:
  static HostPath Walk(const std::filesystem::path& drive,
                       const std::vector<std::string_view>& names, std::string_view rest);

  // The last steps once every name is found: a trailing separator asks for a folder.
  static HostPath Finish(HostPath result, std::string_view rest,
                         const std::vector<std::string_view>& names);

  std::map<char, std::filesystem::path> drives_;
};

}  // namespace quellorn::platform
