#include "erasers/keep_list_candidates.h"

#include "core/context.h"
#include "core/text_util.h"
#include "erasers/ie_keys.h"
#include "primitives/registry_eraser.h"
#include "primitives/shell_folders.h"

namespace quellorn {

using platform::DirEntry;

namespace {

// The names of the folder's files, without the index files the erasers spare anyway.
std::vector<std::string> FileNames(Context& ctx, const std::string& folder) {
  std::vector<std::string> names;
  // An unreadable registry value names no folder.
  if (!HasText(folder)) return names;
  auto listing = ctx.os.files.List(folder + "\\");
  if (!listing) return names;
  for (DirEntry entry; listing->Next(entry);) {
    if ((entry.attributes & platform::attr::kDirectory) == 0 && !IsIndexFileName(entry.name)) {
      names.push_back(entry.name);
    }
    ctx.view().Yield();
  }
  return names;
}

std::vector<std::string> TypedAddresses(Context& ctx) {
  std::vector<std::string> addresses;
  const std::string names = EnumValues(ctx, platform::kCurrentUser, kTypedUrlsKey);
  if (!HasText(names)) return addresses;
  for (const std::string& name : SplitText(names, ",")) {
    if (!Trim(name).empty()) {
      addresses.push_back(QueryValue(ctx, platform::kCurrentUser, kTypedUrlsKey, name));
    }
  }
  return addresses;
}

}  // namespace

std::vector<std::string> KeepListCandidates(Context& ctx, KeepListKind kind) {
  switch (kind) {
    case KeepListKind::kCookies:
      return FileNames(ctx, std::string(Trim(ShellFolder(ctx, "Cookies"))));
    case KeepListKind::kPlugins: {
      const std::string path = QueryValue(ctx, platform::kLocalMachine, kIeSetupKey, "Path");
      return HasText(path) ? FileNames(ctx, path + std::string(kIePluginsFolder))
                           : std::vector<std::string>{};
    }
    case KeepListKind::kUrl:
      return TypedAddresses(ctx);
  }
  return {};
}

}  // namespace quellorn
