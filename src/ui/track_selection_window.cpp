#include "ui/track_selection_window.h"

#include "core/context.h"
#include "core/settings.h"
#include "primitives/registry_eraser.h"
#include "run/task_list.h"
#include "ui/program_documents.h"

namespace quellorn::ui {
namespace {

using G = TrackGroup;
using T = Track;

constexpr TrackBox kBoxes[] = {
    {T::kIeLocationBar, "chkURLList", "Location Bar History", G::kIe},
    {T::kIeCookies, "chkCookies", "Cookies", G::kIe},
    {T::kIeHistory, "chkHistory", "Internet History", G::kIe},
    {T::kIeAutoComplete, "chkautoComplete", "Autocomplete Memory", G::kIe},
    {T::kIePlugins, "chkPlugins", "IE Plug -Ins", G::kIe},
    {T::kIeCache, "chkCache", "(Cache)Temporary Internet files", G::kIe},
    {T::kIeIndex, "chkIndex", "Index.dat", G::kIe},
    {T::kWindowsRecent, "chkRecent", "Recent Documents History", G::kWindows},
    {T::kWindowsFind, "chkFind", "Start Menu Search History", G::kWindows},
    {T::kWindowsRun, "chkRun", "Start Menu Run History", G::kWindows},
    {T::kWindowsRecycleBin, "chkRecycleBin", "Recycle Bin", G::kWindows},
    {T::kWindowsTemp, "chkWindowsTemp", "Windows Temp", G::kWindows},
    {T::kWindowsOpenSave, "chkOpenSave", "Open/Save Dialog Box History", G::kWindows},
    {T::kNetscapeCookies, "chkNC4Cookies", "Cookies", G::kNetscape},
    {T::kNetscapeHistory, "ChkNc4History", "History files", G::kNetscape},
    {T::kNetscapeLocationBar, "ChkNc4URL", "Location Bar History", G::kNetscape},
    {T::kNetscapeCache, "chkNc4Cache", "Cache", G::kNetscape},
    {T::kOperaLocationBar, "chkOprURL", "Location Bar History", G::kOpera},
    {T::kOperaCookies, "chkOprCookies", "Cookies", G::kOpera},
    {T::kOperaCache, "chkOprCache", "Cache and History", G::kOpera},
    {T::kAolLocationBar, "ChkAOLURL", "Location Bar History", G::kAol},
    {T::kAolCache, "chkAolCache", "(Cache)Temporary Internet Files", G::kAol},
    {T::kAolCookies, "chkAolCookies", "Cookies", G::kAol},
    {T::kAolHistory, "chkAolhistory", "Internet history files", G::kAol},
};

// The order Init sets the boxes in.
constexpr Track kInitOrder[] = {
    T::kIeLocationBar,   T::kIeCookies,       T::kIeIndex,         T::kIeHistory,
    T::kIeAutoComplete,  T::kIePlugins,       T::kIeCache,         T::kWindowsRecent,
    T::kWindowsFind,     T::kWindowsRun,      T::kWindowsTemp,     T::kWindowsRecycleBin,
    T::kWindowsOpenSave, T::kNetscapeHistory, T::kNetscapeCookies, T::kNetscapeLocationBar,
    T::kNetscapeCache,   T::kOperaCookies,    T::kOperaCache,      T::kOperaLocationBar,
    T::kAolLocationBar,  T::kAolCache,        T::kAolCookies,      T::kAolHistory,
};

constexpr ControlText kControls[] = {
    {"lbltitle", "Eraser Settings"},
    {"Command1", "OK"},
    {"Command2", "Cancel"},
    {"cmdhelp", "Help"},
    {"Frame3", "Internet Explorer Settings (Including MSN)"},
    {"Frame4", "Windows Settings"},
    {"Frame6", "Netscape Settings"},
    {"Frame8", "Opera Settings"},
    {"Frame9", "AOL Settings"},
    {"cmdNcDir", "Netscape Directory"},
    {"cmdUrl", "Options"},
    {"cmdCookies", "Options"},
    {"cmdPlugins", "Options"},
};

constexpr std::string_view kTabs[] = {"Browsers", "Windows", "Applications", "Custom items"};
constexpr std::string_view kBrowserTabs[] = {"IE", "Netscape", "Opera", "AOL"};
constexpr std::string_view kAllNames[] = {"chkBrowserAll", "chkNcAll", "chkOprAll", "chkAolAll",
                                          "chkwinAll"};
constexpr std::string_view kNoneNames[] = {"chkNoIE", "chkNoNetscape", "chkNoOpera", "chkNoAOL",
                                           "chkNoWin"};

const TrackBox& BoxOf(Track track) {
  for (const TrackBox& box : kBoxes) {
    if (box.track == track) return box;
  }
  return kBoxes[0];
}

std::string NetscapeVersion(Context& ctx) {
  constexpr std::string_view kValue = "CurrentVersion";
  std::string version =
      QueryValue(ctx, platform::kLocalMachine, "SOFTWARE\\Netscape\\Netscape 6", kValue);
  if (version == kReadFailed) {
    version = QueryValue(ctx, platform::kLocalMachine, "SOFTWARE\\Netscape\\Netscape", kValue);
  }
  return version;
}

}  // namespace

std::span<const TrackBox> TrackSelectionWindow::Boxes() {
  return kBoxes;
}
std::span<const ControlText> TrackSelectionWindow::Controls() {
  return kControls;
}
std::string_view TrackSelectionWindow::TabCaption(TrackTab tab) {
  return kTabs[static_cast<int>(tab)];
}
std::string_view TrackSelectionWindow::TabCaption(BrowserTab tab) {
  return kBrowserTabs[static_cast<int>(tab)];
}
std::string_view TrackSelectionWindow::SelectAllName(TrackGroup group) {
  return kAllNames[static_cast<int>(group)];
}
std::string_view TrackSelectionWindow::SelectNoneName(TrackGroup group) {
  return kNoneNames[static_cast<int>(group)];
}

void TrackSelectionWindow::Load() {
  tab_ = TrackTab::kBrowsers;
  browserTab_ = BrowserTab::kIe;
  Init();
  const std::string version = NetscapeVersion(ctx_);
  if (version != kReadFailed) netscapeCaption_ = "Netscape " + version + " Settings";
}

void TrackSelectionWindow::Init() {
  for (Track track : kInitOrder)
    OnBoxClick(track, ctx_.settings.flag(track) == 0);
}

void TrackSelectionWindow::OnBoxClick(Track track, bool checked) {
  bool& box = checked_[static_cast<std::size_t>(track)];
  if (box == checked) return;
  box = checked;
  const int group = static_cast<int>(BoxOf(track).group);
  ctx_.settings.flag(track) = checked ? 0 : 1;
  // Clearing a group box by code runs its handler unchecked, which does nothing.
  (checked ? none_ : all_)[group] = false;
}

void TrackSelectionWindow::SetGroupFlags(TrackGroup group, std::int16_t value) {
  for (const TrackBox& box : kBoxes) {
    if (box.group == group) ctx_.settings.flag(box.track) = value;
  }
  Init();
}

void TrackSelectionWindow::OnSelectAll(TrackGroup group, bool checked) {
  all_[static_cast<int>(group)] = checked;
  if (checked) SetGroupFlags(group, 0);
}

void TrackSelectionWindow::OnSelectNone(TrackGroup group, bool checked) {
  none_[static_cast<int>(group)] = checked;
  if (checked) SetGroupFlags(group, 1);
}

void TrackSelectionWindow::OnOk() {
  for (const TrackBox& box : kBoxes)
    SaveSetting(ctx_.settingsFile, ctx_.settings, TrackSettingKey(box.track));
  Addtask(ctx_);
  ctx_.view().ClearProgress();
  closed_ = true;
}

void TrackSelectionWindow::OnCancel() {
  closed_ = true;
}

void TrackSelectionWindow::OnHelp() {
  OpenHelp(ctx_, help_page::kEraserSettings);
}

}  // namespace quellorn::ui
