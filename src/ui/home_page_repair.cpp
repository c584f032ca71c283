#include "ui/home_page_repair.h"

#include "core/text_util.h"
#include "primitives/registry_eraser.h"

namespace quellorn::ui {
namespace {

using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::RegHandle;
namespace reg_type = platform::reg_type;

constexpr std::string_view kIe = "Software\\Microsoft\\Internet Explorer";
constexpr std::string_view kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kIeSearch = "Software\\Microsoft\\Internet Explorer\\Search";
constexpr std::string_view kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kStartUpMarkers[] = {"regedit", "http://", "file://"};

void Text(Context& ctx, RegHandle root, std::string_view key, std::string_view name,
          std::string_view value) {
  SetValue(ctx, root, key, name, value, reg_type::kSz);
}

void BothRoots(Context& ctx, std::string_view name, std::string_view value) {
  Text(ctx, kCurrentUser, kIeMain, name, value);
  Text(ctx, kLocalMachine, kIeMain, name, value);
}

void LiftLocks(Context& ctx) {
  constexpr std::string_view kControlPanel =
      "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
  SetValue(ctx, kCurrentUser, kControlPanel, "Settings", "0", reg_type::kDword);
  SetValue(ctx, kCurrentUser, kControlPanel, "HomePage", "0", reg_type::kDword);
  SetValue(ctx, kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
           "DisableRegistryTools", "0", reg_type::kDword);
  for (const std::string_view winlogon :
       {"Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon",
        "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"}) {
    Text(ctx, kLocalMachine, winlogon, "LegalNoticeCaption", "");
    Text(ctx, kLocalMachine, winlogon, "LegalNoticeText", "");
  }
}

void DefaultSearch(Context& ctx) {
  Text(ctx, kLocalMachine, kIeMain, "Search Page", kDefaultSearchPage);
  Text(ctx, kLocalMachine, kIeMain, "Search Bar", kDefaultSearchBar);
  Text(ctx, kLocalMachine, kIe, "SearchURL", "");
  Text(ctx, kLocalMachine, kIeSearch, "CustomSearch", kDefaultCustomSearch);
  Text(ctx, kLocalMachine, kIeSearch, "CustomizeSearch", kDefaultCustomizeSearch);
  Text(ctx, kLocalMachine, kIeSearch, "SearchAssistant", kDefaultSearchAssistant);
  Text(ctx, kCurrentUser, kIeMain, "Search Page", kDefaultSearchPage);
  Text(ctx, kCurrentUser, kIeMain, "Search Bar", kDefaultSearchBar);
  Text(ctx, kCurrentUser, kIe, "SearchURL", "");
  Text(ctx, kCurrentUser, kIeSearch, "CustomizeSearch", "");
  Text(ctx, kCurrentUser, kIeSearch, "SearchAssistant", "");
}

bool OpensPageOrEditor(std::string_view command) {
  for (const std::string_view marker : kStartUpMarkers) {
    if (ContainsIgnoreCase(command, marker)) return true;
  }
  return false;
}

// False when the Run key cannot be listed or holds no values.
bool SweepStartUpEntries(Context& ctx, RegHandle root) {
  const std::string list = EnumValues(ctx, root, kRun);
  if (list == kReadFailed || list.empty()) return false;
  for (const std::string& name : SplitText(list, ",")) {
    if (Trim(name).empty()) continue;
    if (OpensPageOrEditor(QueryValue(ctx, root, kRun, name))) DeleteValue(ctx, root, kRun, name);
  }
  return true;
}

}  // namespace

void RepairHomePage(Context& ctx, std::string_view homepage, std::string_view windowTitle) {
  SaveOptions(ctx.settingsFile, ctx.settings, OptionGroup::kHomePage);
  {
    const ScopedEraseMode erasing(ctx);
    BothRoots(ctx, "Start Page", homepage);
    BothRoots(ctx, "Window Title", windowTitle);
    BothRoots(ctx, "Default_Page_URL", homepage);
    LiftLocks(ctx);
    DefaultSearch(ctx);
    // The machine's entries are swept only after the user's were.
    if (SweepStartUpEntries(ctx, kCurrentUser)) SweepStartUpEntries(ctx, kLocalMachine);
  }
  ctx.homePage = homepage;
}

}  // namespace quellorn::ui
