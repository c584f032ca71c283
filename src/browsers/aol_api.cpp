#include "browsers/aol_api.h"

#include <string>

#include "browsers/browser_files.h"
#include "core/context.h"
#include "primitives/file_api.h"
#include "primitives/reg_api.h"
#include "primitives/reg_path.h"

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
