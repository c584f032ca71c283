#include <string>

#include "core/context.h"
#include "core/text_util.h"
#include "core/windows_info.h"
#include "erasers/folder_walkers.h"
#include "erasers/ie_erasers.h"
#include "erasers/ie_keys.h"
#include "primitives/registry_eraser.h"
#include "primitives/shell_folders.h"

namespace quellorn {

namespace {

// The count pass puts every file it will erase into the totals before the erase pass reports
// them one by one.
void EraseSparingKept(Context& ctx, const std::string& folder, const KeepList& keep) {
  CountKeepFolder(ctx, folder, keep);
  EraseKeepFolder(ctx, folder, keep);
}

}  // namespace

void EraseIECookies(Context& ctx) {
  const std::string cookies(Trim(ShellFolder(ctx, "Cookies")));
  // Without the user's cookie folder the Windows folder's is left alone too.
  if (!HasText(cookies)) return;
  const auto keep = KeepList::Load(ctx, KeepListKind::kCookies);
  if (!keep) return;
  EraseSparingKept(ctx, cookies, *keep);
  EraseSparingKept(ctx, GetWindowsFolder(ctx.os.system) + "cookies\\", *keep);
}

void EraseIEPlugins(Context& ctx) {
  const std::string path = QueryValue(ctx, platform::kLocalMachine, kIeSetupKey, "Path");
  if (!HasText(path)) return;
  if (const auto keep = KeepList::Load(ctx, KeepListKind::kPlugins)) {
    EraseSparingKept(ctx, path + std::string(kIePluginsFolder), *keep);
  }
}

}  // namespace quellorn
