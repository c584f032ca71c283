#include "run/catalogue.h"

#include "erasers/aol.h"
#include "erasers/ie_erasers.h"
#include "erasers/index_dat.h"
#include "erasers/netscape_erasers.h"
#include "erasers/opera.h"
#include "erasers/windows_erasers.h"

namespace quellorn {
namespace {

// clang-format off
constexpr CatalogueItem kCatalogue[] = {
    {Track::kIeLocationBar, "ie.location-bar", "IE Location Bar", "ie", "Erasing IE Location Bar......", {EraseTypedUrls}},
    {Track::kIeCookies, "ie.cookies", "IE Cookies", "ie", "Erasing IE Cookies .....", {EraseIECookies}},
    {Track::kIeCache, "ie.cache", "IE Cache", "ie", "Erasing IE Cache .....", {EraseIECache}},
    {Track::kIeHistory, "ie.history", "IE History", "ie", "Erasing IE History .....", {EraseIEHistory}},
    {Track::kIeAutoComplete, "ie.autocomplete", "IE AutoComplete Forms and Passwords", "ie", "Erasing AutoComplete Memory .....", {EraseAutoComplete}},
    {Track::kIePlugins, "ie.plugins", "IE PlugIns", "ie", "Erasing IE Plugins .....", {EraseIEPlugins}},
    {Track::kIeIndex, "ie.index-dat", "Index.dat File", "ie", "Cleaning Index.dat .....", {CleanIndexDat}},
    {Track::kNetscapeCookies, "netscape.cookies", "Netscape Cookies", "netscape", "Erasing Netscape Cookies .....", {EraseNetscapeCookies}},
    {Track::kNetscapeHistory, "netscape.history", "Netscape History", "netscape", "Erasing Netscape History .....", {EraseNetscapeHistory}},
    {Track::kNetscapeLocationBar, "netscape.location-bar", "Netscape Location Bar History", "netscape", "Erasing Netscape Location Bar History .....", {EraseNetscapeLocationBar}},
    {Track::kNetscapeCache, "netscape.cache", "Netscape Cache", "netscape", "Erasing Netscape Cache .....", {EraseNetscapeCache}},
    {Track::kOperaLocationBar, "opera.location-bar", "Opera Location Bar History", "Opera", "Erasing Opera Location Bar History .....", {EraseOperaLocationBar}},
    {Track::kOperaCookies, "opera.cookies", "Opera Cookies", "Opera", "Erasing Opera Cookies .....", {EraseOperaCookies}},
    {Track::kOperaCache, "opera.cache", "Opera Cache and History", "Opera", "Erasing Opera Cache and History .....", {EraseOperaCache}},
    {Track::kAolLocationBar, "aol.location-bar", "AOL Location Bar", "Aol", "Erasing AOL Location Bar.....", {EraseAOLLocationBar}},
    {Track::kAolCache, "aol.cache", "AOL Cache", "Aol", "Erasing AOL Cache .....", {EraseAOLCache}},
    {Track::kAolCookies, "aol.cookies", "AOL Cookies", "Aol", "Erasing AOL Cookies .....", {EraseIECookies}},
    {Track::kAolHistory, "aol.history", "AOL history", "Aol", "Erasing AOL History .....", {EraseIEHistory}},
    {Track::kWindowsRecent, "windows.recent-documents", "Windows Start Menu Recent Documents", "win", "Erasing Windows Start Menu Recent Documents .....", {EraseRecentDocuments}},
    {Track::kWindowsFind, "windows.find-history", "Windows Find Files and Computers History", "win", "Erasing Windows Find Files and Computers History .....", {EraseFindHistory}},
    {Track::kWindowsRun, "windows.run-history", "Windows Start Menu Run History", "win", "Erasing Windows Start Menu Run History .....", {EraseRunHistory}},
    {Track::kWindowsTemp, "windows.temp", "Windows Temp Folder", "win", "Erasing Windows Temp .....", {EraseWindowsTemp}},
    {Track::kWindowsOpenSave, "windows.open-save-history", "Windows Open/Save History", "win", "Erasing Open/Save Dialog Box .....", {EraseOpenSaveHistory, EraseLastVisited}},
    {Track::kWindowsRecycleBin, "windows.recycle-bin", "Windows Recycle Bin", "win", "Clearing Windows Recycle Bin .....", {EmptyRecycleBin}},
};
// clang-format on

static_assert(std::size(kCatalogue) == kTrackCount);

}  // namespace

std::span<const CatalogueItem> Catalogue() {
  return kCatalogue;
}

}  // namespace quellorn
