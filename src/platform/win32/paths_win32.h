#pragma once

#include <string>
#include <string_view>

namespace quellorn::platform::win32 {

// Windows paths as the wide API takes them. Both "\" and "/" separate names.
bool IsSeparator(wchar_t c);

// The path without separators at its end, except the one of a drive root ("C:\").
std::wstring_view TrimTrailingSeparators(std::wstring_view path);

// Splits a path into its folder ("C:\" for a name at a drive root) and its last name. False
// when there is no folder part or no name: a drive root, a share root, a bare name.
bool SplitLast(std::wstring_view path, std::wstring& folder, std::wstring& name);

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// FindFirstFile takes "*" and "?" as wildcards; a path meant to name one entry must not hold them.
bool HasWildcard(std::wstring_view path);

// Compares two paths the way the file system compares names: ignoring letter case.
bool SamePath(std::wstring_view a, std::wstring_view b);

}  // namespace quellorn::platform::win32
