#include "erasers/windows_erasers.h"

#include <string>
#include <string_view>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "core/text_util.h"
#include "core/windows_info.h"
#include "primitives/file_eraser.h"
#include "primitives/registry_eraser.h"
#include "primitives/shell_folders.h"

namespace quellorn {

namespace attr = platform::attr;
using platform::kCurrentUser;

namespace {

constexpr std::string_view kFindOlder[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU",
};
constexpr std::string_view kFindNewer[] = {
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
    "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU",
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
    "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU",
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
    "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\filesNamedMRU",
};
constexpr std::string_view kRunMru =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr std::string_view kLastVisitedMru =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU";
constexpr std::string_view kOpenSaveMru =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";

// Windows 95 and 98 keep their histories under other keys, and no dialog history at all.
bool IsOlderWindows(const Context& ctx) {
  return ctx.windowsVersion == "95" || ctx.windowsVersion == "98";
}

// Whether the folder holds at least one file that is neither hidden nor a system file.
bool HasNormalFile(Context& ctx, const std::string& folder) {
  auto listing = ctx.os.files.List(folder);
  if (!listing) return false;
  constexpr std::uint32_t kNotNormal = attr::kDirectory | attr::kHidden | attr::kSystem;
  for (platform::DirEntry entry; listing->Next(entry);) {
    if ((entry.attributes & kNotNormal) == 0) return true;
  }
  return false;
}

void EraseTempFolder(Context& ctx, const std::string& folder) {
  EraseFolderTree(ctx, folder);
  EraseSubfolders(ctx, folder);
}

}  // namespace

void EraseRecentDocuments(Context& ctx) {
  const std::string folder = ShellFolder(ctx, "Recent");
  if (HasText(folder)) EraseFolderTree(ctx, folder);
}

void EraseFindHistory(Context& ctx) {
  if (IsOlderWindows(ctx)) {
    for (std::string_view key : kFindOlder)
      ClearKeyValues(ctx, kCurrentUser, key);
  } else {
    for (std::string_view key : kFindNewer)
      ClearKeyValues(ctx, kCurrentUser, key);
  }
}

void EraseRunHistory(Context& ctx) {
  ClearKeyValues(ctx, kCurrentUser, kRunMru);
}

void EraseWindowsTemp(Context& ctx) {
  constexpr std::size_t kHistoryName = 7;  // "History", the last name of the history folder
  const std::string history = ShellFolder(ctx, "history");
  // A value that is only the name would leave a relative path, the program's current folder.
  if (HasText(history) && history.size() > kHistoryName) {
    EraseTempFolder(ctx, history.substr(0, history.size() - kHistoryName) + "Temp");
    const std::string windowsTemp = GetWindowsFolder(ctx.os.system) + "temp\\";
    // A temp folder holding only folders or hidden files is left alone.
    if (HasNormalFile(ctx, windowsTemp)) EraseTempFolder(ctx, windowsTemp);
  }
  WriteLog(ctx, "Erased Windows Temp Files < OK > ");
  DispList(ctx, "Erased Windows Temp Files <OK>");
}

void EraseLastVisited(Context& ctx) {
  if (!IsOlderWindows(ctx)) ClearKeyValues(ctx, kCurrentUser, kLastVisitedMru);
}

void EraseOpenSaveHistory(Context& ctx) {
  EraseLastVisited(ctx);
  if (IsOlderWindows(ctx)) return;
  const std::string base = std::string(kOpenSaveMru) + "\\";
  // Without subkeys the list is the read marker, which names a key that does not exist.
  for (const std::string& subkey : SplitText(EnumKeys(ctx, kCurrentUser, kOpenSaveMru), ",")) {
    ClearKeyValues(ctx, kCurrentUser, base + subkey);
  }
  // The history of all file types, once more: a test run reports its entries twice.
  ClearKeyValues(ctx, kCurrentUser, base + "*");
}

void EmptyRecycleBin(Context& ctx) {
  WriteLog(ctx, "Clearing Windows Recycle Bin: ");
  if (ctx.erasing()) ctx.os.shell.EmptyRecycleBin();
  WriteLog(ctx, "Clearing Windows Recycle Bin <OK>");
  DispList(ctx, "Clearing Windows Recycle Bin <OK>");
}

}  // namespace quellorn
