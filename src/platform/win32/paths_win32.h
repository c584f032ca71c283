#pragma once

#include <string>
#include <string_view>

namespace quellorn::platform::win32 {

// Windows paths as the wide API takes them. Both "\" and "/" separate names.
bool IsSeparator(wchar_t c);

// The path without separators at its end, except those of its root ("C:\", "\\?\C:\",
// "\\server\share\").
std::wstring_view TrimTrailingSeparators(std::wstring_view path);

// Splits a path into its folder ("C:\" for a name at a drive root) and its last name. False
// when there is no folder part or no name: a drive root, a share root, a bare name.
bool SplitLast(std::wstring_view path, std::wstring& folder, std::wstring& name);

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// FindFirstFile takes "*" and "?" as wildcards; a path meant to name one entry must not hold
// them (in its names: the "\\?\" of a literal path is none).
bool HasWildcard(std::wstring_view path);

// The path in the "\\?\" form, which Windows takes name by name as it is written: a name found
// by listing a folder ("keep.txt.", "con") then stands for exactly that entry, never for
// another one or a device. That form takes no "/", "." or "..": they are applied here, as
// Windows applies them to a typed path, never above the root. A path of another form
// (relative, on the current folder of a drive, a device, literal already) stays as it is.
std::wstring LiteralPath(std::wstring_view path);

// The path with the trailing dots and blanks of its last name dropped, as Windows drops them
// from a typed path; a name of nothing else stays.
std::wstring WithoutTrailingDots(std::wstring_view path);

// A path of the program (UTF-8) as the file functions take it: literal, so that it names the
// entry spelled so; a last name that no entry bears as given is read as a typed one. False for
// text that is not valid UTF-8.
bool ToFilePath(std::string_view utf8, std::wstring& path);

// Compares two paths the way the file system compares names: ignoring letter case.
bool SamePath(std::wstring_view a, std::wstring_view b);

}  // namespace quellorn::platform::win32
