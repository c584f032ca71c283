#include "plugins/folder_pattern.h"

#include <algorithm>

#include "core/context.h"
#include "core/text_util.h"
#include "primitives/wildcard.h"

namespace quellorn {

namespace {

bool HasWildcard(std::string_view text) {
  return text.find_first_of("*?") != std::string_view::npos;
}

// The subfolders of `folder` (ending in "\") whose names fit `pattern`, by name.
std::vector<std::string> FittingSubfolders(Context& ctx, const std::string& folder,
                                           std::string_view pattern) {
  namespace attr = platform::attr;
  std::vector<std::string> names;
  auto listing = ctx.os.files.List(folder);
  for (platform::DirEntry entry; listing && listing->Next(entry);) {
    const bool plainFolder =
        (entry.attributes & attr::kDirectory) != 0 && (entry.attributes & attr::kReparsePoint) == 0;
    if (plainFolder && WildcardMatch(entry.name, pattern)) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); });
  return names;
}

}  // namespace

std::vector<std::string> MatchingFolders(Context& ctx, std::string_view folder) {
  if (!HasWildcard(folder)) return {std::string(folder)};
  const bool trailing = folder.ends_with('\\');
  std::vector<std::string> parts = SplitText(folder, "\\");
  if (parts.empty() || HasWildcard(parts[0])) return {};
  std::vector<std::string> found{parts[0]};
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    std::vector<std::string> next;
    for (const std::string& base : found) {
      if (!HasWildcard(parts[i])) {
        next.push_back(base + "\\" + parts[i]);
        continue;
      }
      for (const std::string& name : FittingSubfolders(ctx, base + "\\", parts[i]))
        next.push_back(base + "\\" + name);
    }
    found = std::move(next);
  }
  if (trailing)
    for (std::string& path : found)
      path += '\\';
  return found;
}

}  // namespace quellorn
