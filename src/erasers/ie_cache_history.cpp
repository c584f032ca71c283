#include <string>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "core/text_util.h"
#include "core/windows_info.h"
#include "erasers/folder_walkers.h"
#include "erasers/ie_erasers.h"
#include "erasers/index_dat.h"
#include "primitives/file_eraser.h"
#include "primitives/shell_folders.h"

namespace quellorn {

namespace {

void EraseCacheFolder(Context& ctx, const std::string& folder) {
  if (!ctx.settings.SecureErasing()) {
    // Without secure erasing the cache goes quietly, counted beforehand.
    CountTreeSkipIndex(ctx, folder);
    EraseTreeQuiet(ctx, folder);
  } else {
    EraseFolderTree(ctx, folder);
    EraseSubfolders(ctx, folder + "\\Content.IE5");
  }
}

}  // namespace

void EraseIECache(Context& ctx) {
  if (const std::string cache = ShellFolder(ctx, "Cache"); HasText(cache)) {
    EraseCacheFolder(ctx, cache);
  }
  EraseCacheFolder(ctx, GetWindowsFolder(ctx.os.system) + "Temporary Internet Files");
  WriteLog(ctx, "Erasing Internet Cache Files < OK > ");
  DispList(ctx, "Erasing Internet Cache Files < OK > ");
}

void EraseIEHistory(Context& ctx) {
  // The history files go without lines; only the cleaned index files are reported.
  const std::string history = ShellFolder(ctx, "History");
  if (HasText(history)) EraseTreeQuiet(ctx, history);
  EraseTreeQuiet(ctx, GetWindowsFolder(ctx.os.system) + "history");
  // An empty value would name the root of the current drive.
  if (const std::string trimmed(Trim(history)); HasText(trimmed)) CleanIndexFiles(ctx, trimmed);
}

}  // namespace quellorn
