#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace quellorn {

struct Context;

// The three lists of traces the user wants to survive every erase run.
enum class KeepListKind {
  kCookies,  // cookie file names, without folder
  kUrl,      // typed addresses, as stored
  kPlugins,  // file names in Internet Explorer's PLUGINS folder
};

// The kind a keep-list mode text names ("cookies", "url", "plugins"); nothing for another text.
std::optional<KeepListKind> KeepListKindOf(std::string_view mode);

// The list's file in the program folder. Older versions wrote "Url.txt" and read "url.txt";
// both the erasers and the keep-list window use this one spelling, so that they meet in one file
// also where names are case-sensitive, and the file system's case-insensitive lookup still finds
// a file that another spelling created.
std::string KeepListPath(const Context& ctx, KeepListKind kind);

// The lines of the list's file, each without the blanks around it; a blank line stays as an
// empty line. A missing file gives no lines; one that exists but cannot be read gives nothing.
std::optional<std::vector<std::string>> ReadKeepListFile(Context& ctx, KeepListKind kind);
// Replaces the list's file (creating it when missing) with the entries, one a line.
platform::Status WriteKeepListFile(Context& ctx, KeepListKind kind,
                                   const std::vector<std::string>& entries);

// A keep list as the erasers use it: entry k is line k of the file, read afresh at every call.
struct KeepList {
  std::vector<std::string> entries;

  // The list, empty when its file is missing. A file that exists but cannot be read gives
  // nothing, after a progress and log line saying so: the eraser must then leave alone every
  // trace the list might keep, rather than take the list for one that keeps nothing.
  static std::optional<KeepList> Load(Context& ctx, KeepListKind kind);
  // Whether an entry is exactly the candidate, letter case included.
  bool Keeps(std::string_view candidate) const;
};

// Whether a file name marks one of Internet Explorer's index files, which the folder walkers
// spare and the index cleaner clears in place: it holds "index.dat" in any letter case.
bool IsIndexFileName(std::string_view name);

}  // namespace quellorn
