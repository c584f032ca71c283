#include "primitives/shell_folders.h"

#include "primitives/registry_eraser.h"

namespace quellorn {

std::string ShellFolder(Context& ctx, std::string_view name) {
  return QueryValue(ctx, platform::kCurrentUser, kShellFoldersKey, name);
}

bool HasText(std::string_view value) {
  return !value.empty() && value != kReadFailed;
}

}  // namespace quellorn
