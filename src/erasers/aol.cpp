#include "erasers/aol.h"

#include <string>

#include "core/context.h"
#include "erasers/browser_files.h"
#include "primitives/file_eraser.h"
#include "primitives/reg_path.h"
#include "primitives/registry_eraser.h"

namespace quellorn {

namespace {

// The AOL program folder; "" when AOL is not registered.
std::string AolFolder(Context& ctx) {
  std::string folder = QueryValue(ctx, platform::kLocalMachine,
                                  "SOFTWARE\\America Online\\AOL\\CurrentVersion", "appPath");
  return IsFullPath(folder) ? folder : "";
}

}  // namespace

void EraseAOLLocationBar(Context& ctx) {
  const std::string folder = AolFolder(ctx);
  if (!folder.empty()) EraseMatchingFiles(ctx, folder + "\\organize", "*.ARL", false, nullptr);
}

void EraseAOLCache(Context& ctx) {
  const std::string folder = AolFolder(ctx);
  if (folder.empty()) return;
  EraseFolderTree(ctx, folder + "\\organize\\CACHE");
  EraseMatchingFiles(ctx, folder + "\\organize", "*.aut", false, nullptr);
}

}  // namespace quellorn
