#include <string>

#include "browsers/folder_walkers.h"
#include "browsers/ie_api.h"
#include "browsers/ie_keys.h"
#include "core/context.h"
#include "core/os_api.h"
#include "core/text_util.h"
#include "primitives/reg_api.h"
#include "primitives/shell_folders.h"

namespace quellorn {

namespace {

// The count pass puts every file it will erase into the totals before the erase pass reports
// them one by one.
void EraseSparingKept(Context& ctx, const std::string& folder, KeepListKind keep) {
  CountKeepFolder(ctx, folder, keep);
  EraseKeepFolder(ctx, folder, keep);
}

}  // namespace

void EraseIECookies(Context& ctx) {
  const std::string cookies(Trim(ShellFolder(ctx, "Cookies")));
  // Without the user's cookie folder the Windows folder's is left alone too.
  if (!HasText(cookies)) return;
  EraseSparingKept(ctx, cookies, KeepListKind::kCookies);
  EraseSparingKept(ctx, GetWindowsFolder(ctx.os.system) + "cookies\\", KeepListKind::kCookies);
}

void EraseIEPlugins(Context& ctx) {
  const std::string path = QueryValue(ctx, platform::kLocalMachine, kIeSetupKey, "Path");
  if (HasText(path)) {
    EraseSparingKept(ctx, path + std::string(kIePluginsFolder), KeepListKind::kPlugins);
  }
}

}  // namespace quellorn
