#include "platform/win32/paths_win32.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

namespace {

constexpr std::wstring_view kLiteralPrefix = L"\\\\?\\";
constexpr std::wstring_view kLiteralShare = L"\\\\?\\UNC\\";

// The length of "server\share\" at `start` of a path.
std::size_t ShareRootLength(std::wstring_view path, std::size_t start) {
  const std::size_t server = path.find_first_of(L"\\/", start);
  if (server == std::wstring_view::npos) return path.size();
  const std::size_t share = path.find_first_of(L"\\/", server + 1);
  return share == std::wstring_view::npos ? path.size() : share + 1;
}

// The length of the part of a path that names no entry of a folder: "C:\", "C:", "\",
// "\\server\share\", and these in the literal form ("\\?\C:\", "\\?\UNC\server\share\").
std::size_t RootLength(std::wstring_view path) {
  if (path.starts_with(kLiteralShare)) return ShareRootLength(path, kLiteralShare.size());
  if (path.starts_with(kLiteralPrefix)) {
    return kLiteralPrefix.size() + RootLength(path.substr(kLiteralPrefix.size()));
  }
  if (path.size() >= 2 && path[1] == L':') return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return ShareRootLength(path, 2);
  }
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

// The root of a path as the "\\?\" form writes it ("\\?\C:\", "\\?\UNC\server\share\"); empty
// for a path of another form: relative, on the current drive, a device, literal already.
std::wstring LiteralRoot(std::wstring_view path, std::size_t root) {
  if (root == 3 && path[1] == L':') return std::wstring(kLiteralPrefix) + path[0] + L":\\";
  const bool share = root > 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && path[2] != L'?' &&
                     path[2] != L'.' && IsSeparator(path[root - 1]);
  if (!share) return {};
  std::wstring literal(kLiteralShare);
  for (wchar_t c : path.substr(2, root - 2))
    literal += IsSeparator(c) ? L'\\' : c;
  return literal;
}

// Where the last name of a path starts and ends (before a separator that ends the path).
std::pair<std::size_t, std::size_t> LastName(std::wstring_view path) {
  std::size_t end = path.size();
  while (end > 0 && IsSeparator(path[end - 1]))
    --end;
  const std::size_t separator = path.find_last_of(L"\\/", end == 0 ? 0 : end - 1);
  return {separator == std::wstring_view::npos ? 0 : separator + 1, end};
}

}  // namespace

std::wstring LiteralPath(std::wstring_view path) {
  const std::size_t root = RootLength(path);
  std::wstring literal = LiteralRoot(path, root);
  if (literal.empty()) return std::wstring(path);
  const std::size_t rootSize = literal.size();
  for (std::wstring_view rest = path.substr(root); !rest.empty();) {
    std::size_t end = 0;
    while (end < rest.size() && !IsSeparator(rest[end]))
      ++end;
    const std::wstring_view name = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (name == L"..") {
      // Back to the separator before the last name kept, never into the root.
      if (literal.size() > rootSize)
        literal.resize(literal.find_last_of(L'\\', literal.size() - 2) + 1);
    } else if (!name.empty() && name != L".") {
      literal.append(name) += L'\\';
    }
  }
  if (literal.size() > rootSize && !IsSeparator(path.back())) literal.pop_back();
  return literal;
}

std::wstring WithoutTrailingDots(std::wstring_view path) {
  const auto [start, end] = LastName(path);
  std::size_t keep = end;
  while (keep > start && (path[keep - 1] == L'.' || path[keep - 1] == L' '))
    --keep;
  if (keep == start) keep = end;  // a name of dots and blanks only stays as it is
  return std::wstring(path.substr(0, keep)) + std::wstring(path.substr(end));
}

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

std::wstring_view TrimTrailingSeparators(std::wstring_view path) {
  while (path.size() > RootLength(path) && IsSeparator(path.back()))
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
  return path.substr(RootLength(path)).find_first_of(L"*?") != std::wstring_view::npos;
}

bool ToFilePath(std::string_view utf8, std::wstring& path) {
  std::wstring wide;
  if (!ToWide(utf8, wide)) return false;
  path = LiteralPath(wide);
  if (path == wide) return true;
  // A last name that no entry bears as given is read as a typed one: without trailing dots and
  // blanks.
  std::wstring typed = WithoutTrailingDots(path);
  if (typed.size() != path.size() && GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    path = std::move(typed);
  }
  return true;
}

bool SamePath(std::wstring_view a, std::wstring_view b) {
  if (a.size() > INT_MAX || b.size() > INT_MAX) return false;
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace quellorn::platform::win32
