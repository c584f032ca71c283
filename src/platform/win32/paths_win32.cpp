#include "platform/win32/paths_win32.h"

#include <climits>

#include "platform/win32/windows_api.h"

namespace quellorn::platform::win32 {

namespace {

// "C:\" and "C:" name a drive root; everything after them is the path inside the drive.
bool IsDriveRoot(std::wstring_view path) {
  return (path.size() == 2 || (path.size() == 3 && IsSeparator(path[2]))) && path[1] == L':';
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
  if (IsDriveRoot(path)) return false;
  const std::size_t last = path.find_last_of(L"\\/");
  if (last == std::wstring_view::npos || last + 1 == path.size()) return false;
  std::wstring_view parent = path.substr(0, last);
  // A UNC share root ("\\server\share") has no folder a name could be removed from.
  if (parent.find_first_not_of(L"\\/") == std::wstring_view::npos) return false;
  if (parent.size() == 2 && parent[1] == L':') parent = path.substr(0, last + 1);
  folder.assign(parent);
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
