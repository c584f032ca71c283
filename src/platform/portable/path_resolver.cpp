#include "platform/portable/path_resolver.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/name_fold.h"

namespace quellorn::platform {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The names of the path below the drive root, with "." and ".." applied.
std::vector<std::string_view> SplitNames(std::string_view rest) {
  std::vector<std::string_view> names;
  while (!rest.empty()) {
    auto end = std::find_if(rest.begin(), rest.end(), IsSeparator);
    std::string_view name(rest.data(), static_cast<std::size_t>(end - rest.begin()));
    rest.remove_prefix(std::min(name.size() + 1, rest.size()));
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
  }
  return names;
}

// The name as Windows reads a typed one: trailing dots and blanks dropped, unless nothing
// else is left.
std::string_view WithoutTrailingDots(std::string_view name) {
  std::size_t keep = name.find_last_not_of(". ");
  return keep == std::string_view::npos ? name : name.substr(0, keep + 1);
}

// The entry of `folder` named `name` without regard to case: the exact name first, then the
// smallest matching name, so the choice does not depend on the order of the listing.
std::optional<std::string> FindEntry(const std::filesystem::path& folder, std::string_view name) {
  struct stat info;
  if (::lstat((folder / name).c_str(), &info) == 0) return std::string(name);
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return std::nullopt;
  std::u16string folded = FoldName(name);
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(dir.get())) {
    std::string_view candidate = entry->d_name;
    if (candidate == "." || candidate == ".." || FoldName(candidate) != folded) continue;
    if (!found || candidate < *found) found = std::string(candidate);
  }
  return found;
}

bool IsFolder(const std::filesystem::path& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The path spelled exactly as given, when it exists so: one call instead of one per name,
// which is what almost every lookup of the program's own files and of listed entries needs.
bool ResolveExactly(const std::filesystem::path& drive, const std::vector<std::string_view>& names,
                    HostPath& result) {
  if (names.empty()) return false;
  std::filesystem::path path = drive;
  for (std::string_view name : names)
    path /= name;
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return false;
  result.path = std::move(path);
  result.info = info;
  return true;
}

}  // namespace

PathResolver::PathResolver(const std::filesystem::path& machineFolder,
                           const std::map<char, std::string>& drives) {
  for (const auto& [letter, folder] : drives)
    drives_[letter] = machineFolder / folder;
}

std::vector<char> PathResolver::DriveLetters() const {
  std::vector<char> letters;
  for (const auto& [letter, folder] : drives_)
    letters.push_back(letter);
  return letters;
}

bool IsWindowsName(std::string_view name) {
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("\\/<>:\"|?*").find(c) != std::string_view::npos;
  });
}

HostPath PathResolver::Resolve(std::string_view windowsPath) const {
  HostPath result;
  if (windowsPath.size() < 2 || windowsPath[1] != ':') return result;
  char letter = static_cast<char>(windowsPath[0] | 0x20);
  auto drive = drives_.find(letter);
  if (drive == drives_.end()) return result;

  std::string_view rest = windowsPath.substr(2);
  std::vector<std::string_view> names = SplitNames(rest);
  if (!std::all_of(names.begin(), names.end(), IsWindowsName)) {
    result.status = kInvalidName;
    return result;
  }
  // A name that exists as given is that entry, whatever it ends with: so a name found by
  // listing a folder ("keep.txt.") never stands for another one ("keep.txt").
  result = Walk(drive->second, names, rest);
  if (result.status != kFileNotFound || names.empty()) return result;
  std::string_view typed = WithoutTrailingDots(names.back());
  if (typed.size() == names.back().size()) return result;
  names.back() = typed;
  return Walk(drive->second, names, rest);
}

HostPath PathResolver::Walk(const std::filesystem::path& drive,
                            const std::vector<std::string_view>& names, std::string_view rest) {
  HostPath result;
  if (!names.empty()) result.name = names.back();
  if (ResolveExactly(drive, names, result)) return Finish(std::move(result), rest, names);
  if (!IsFolder(drive)) return result;
  result.path = drive;
  for (std::size_t i = 0; i < names.size(); ++i) {
    bool last = i + 1 == names.size();
    std::optional<std::string> entry = FindEntry(result.path, names[i]);
    if (!entry) {
      result.path /= names[i];
      result.status = last ? kFileNotFound : kPathNotFound;
      return result;
    }
    result.path /= *entry;
    if (!last && !IsFolder(result.path)) return result;
  }
  return Finish(std::move(result), rest, names);
}

HostPath PathResolver::Finish(HostPath result, std::string_view rest,
                              const std::vector<std::string_view>& names) {
  // "name\" asks for a folder: through a link as well.
  if (!names.empty() && IsSeparator(rest.back())) {
    if (!IsFolder(result.path)) return result;
    result.path /= "";
  }
  result.isRoot = names.empty();
  result.status = kSuccess;
  return result;
}

}  // namespace quellorn::platform
