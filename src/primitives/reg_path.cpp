#include "primitives/reg_path.h"

#include <cctype>

#include "core/text_util.h"

namespace quellorn {
namespace {

struct RootName {
  std::string_view name;
  platform::RegHandle key;
};

// HKEY_USERS is not among the names the program has ever accepted.
constexpr RootName kRoots[] = {
    {"HKEY_CURRENT_USER", platform::kCurrentUser},
    {"HKEY_CLASSES_ROOT", platform::kClassesRoot},
    {"HKEY_LOCAL_MACHINE", platform::kLocalMachine},
    {"HKEY_CURRENT_CONFIG", platform::kCurrentConfig},
    {"HKEY_DYN_DATA", platform::kDynData},
    {"HKEY_PERFORMANCE_DATA", platform::kPerformanceData},
};

}  // namespace

platform::RegHandle GetRootKey(std::string_view path) {
  const std::size_t slash = path.find('\\');
  if (slash == std::string_view::npos) return 0;
  for (const RootName& root : kRoots) {
    if (path.substr(0, slash) == root.name) return root.key;
  }
  return 0;
}

std::string GetRootName(platform::RegHandle root) {
  for (const RootName& known : kRoots) {
    if (known.key == root) return std::string(known.name);
  }
  return root == platform::kUsers ? "HKEY_USERS" : "";
}

std::string GetSubkeyPath(std::string_view path) {
  const std::size_t slash = path.find('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string GetFolderPart(std::string_view path) {
  return std::string(path.substr(0, FindLast(path, "\\")));
}

std::string GetLastPart(std::string_view path) {
  return std::string(path.substr(FindLast(path, "\\")));
}

bool IsFullPath(std::string_view path) {
  const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                     path[1] == ':' && path[2] == '\\';
  return drive || path.starts_with("\\\\");
}

}  // namespace quellorn
