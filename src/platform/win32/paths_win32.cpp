#include "platform/win32/paths_win32.h"

#include <climits>

#include "platform/win32/windows_api.h"

namespace quellorn::platform::win32 {

namespace {

// "C:\" and "C:" name a drive root; everything after them is the path inside the drive.
bool IsDriveRoot(std::wstring_view path) {
  return (path.size() == 2 || (path.size() == 3 && IsSeparator(path[2]))) && path[1] == L':';
}

// The length of the part of a path that names no entry of a folder: "C:\", "C:", "\",
// "\\server\share\" (also "\\?\C:\").
std::size_t RootLength(std::wstring_view path) {
  if (path.size() >= 2 && path[1] == L':') return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    const std::size_t server = path.find_first_of(L"\\/", 2);
    if (server == std::wstring_view::npos) return path.size();
    const std::size_t share = path.find_first_of(L"\\/", server + 1);
    return share == std::wstring_view::npos ? path.size() : share + 1;
  }
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

std::wstring_view TrimTrailingSeparators(std::wstring_view path) {
  while (!path.empty() && IsSeparator(path.back()) && !IsDriveRoot(path))
    path.remove_suffix(1);
  return path;
}

bool SplitLast(std::wstring_view path, std::wstring& folder, std::wstring& name) {
  path = TrimTrailingSeparators(path);
  const std::size_t root = RootLength(path);
  const std::size_t last = path.find_last_of(L"\\/");
  if (root >= path.size() || last == std::wstring_view::npos || last + 1 < root) return false;
  folder.assign(path.substr(0, last + 1 <= root ? root : last));
  name.assign(path.substr(last + 1));
  return true;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.empty() && !IsSeparator(path.back())) path += L'\\';
  path += name;
  return path;
}

bool HasWildcard(std::wstring_view path) {
  return path.find_first_of(L"*?") != std::wstring_view::npos;
}

bool SamePath(std::wstring_view a, std::wstring_view b) {
  if (a.size() > INT_MAX || b.size() > INT_MAX) return false;
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace quellorn::platform::win32
