#include "erasers/opera.h"

#include <string>

#include "core/context.h"
#include "erasers/browser_files.h"
#include "primitives/file_eraser.h"
#include "primitives/reg_path.h"

namespace quellorn {

namespace {

// The Opera folder, read afresh at each call; "" when the setting names no full path.
std::string OperaFolder(Context& ctx) {
  std::string folder = OperaFolder(ctx.settingsFile);
  return IsFullPath(folder) ? folder : "";
}

}  // namespace

void EraseOperaLocationBar(Context& ctx) {
  const std::string folder = OperaFolder(ctx);
  if (folder.empty()) return;
  for (const char* name : {"\\global.dat", "\\vlink4.dat", "\\opera.dir"}) {
    EraseBrowserFile(ctx, folder + name);
  }
}

void EraseOperaCookies(Context& ctx) {
  const std::string folder = OperaFolder(ctx);
  if (!folder.empty()) EraseBrowserFile(ctx, folder + "\\cookies4.dat");
}

void EraseOperaCache(Context& ctx) {
  const std::string folder = OperaFolder(ctx);
  if (!folder.empty() && HoldsOrdinaryFiles(ctx, folder + "\\cache4")) {
    EraseFolderTree(ctx, folder + "\\cache4");
  }
}

}  // namespace quellorn
