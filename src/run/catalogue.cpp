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
    {Track::kIeLocationBar, "IE Location Bar", "ie", "Erasing IE Location Bar......", {EraseTypedUrls}},
    {Track::kIeCookies, "IE Cookies", "ie", "Erasing IE Cookies .....", {EraseIECookies}},
    {Track::kIeCache, "IE Cache", "ie", "Erasing IE Cache .....", {EraseIECache}},
    {Track::kIeHistory, "IE History", "ie", "Erasing IE History .....", {EraseIEHistory}},
    {Track::kIeAutoComplete, "IE AutoComplete Forms and Passwords", "ie", "Erasing AutoComplete Memory .....", {EraseAutoComplete}},
    {Track::kIePlugins, "IE PlugIns", "ie", "Erasing IE Plugins .....", {EraseIEPlugins}},
    {Track::kIeIndex, "Index.dat File", "ie", "Cleaning Index.dat .....", {CleanIndexDat}},
    {Track::kNetscapeCookies, "Netscape Cookies", "netscape", "Erasing Netscape Cookies .....", {EraseNetscapeCookies}},
    {Track::kNetscapeHistory, "Netscape History", "netscape", "Erasing Netscape History .....", {EraseNetscapeHistory}},
    {Track::kNetscapeLocationBar, "Netscape Location Bar History", "netscape", "Erasing Netscape Location Bar History .....", {EraseNetscapeLocationBar}},
    {Track::kNetscapeCache, "Netscape Cache", "netscape", "Erasing Netscape Cache .....", {EraseNetscapeCache}},
    {Track::kOperaLocationBar, "Opera Location Bar History", "Opera", "Erasing Opera Location Bar History .....", {EraseOperaLocationBar}},
    {Track::kOperaCookies, "Opera Cookies", "Opera", "Erasing Opera Cookies .....", {EraseOperaCookies}},
    {Track::kOperaCache, "Opera Cache and History", "Opera", "Erasing Opera Cache and History .....", {EraseOperaCache}},
    {Track::kAolLocationBar, "AOL Location Bar", "Aol", "Erasing AOL Location Bar.....", {EraseAOLLocationBar}},
    {Track::kAolCache, "AOL Cache", "Aol", "Erasing AOL Cache .....", {EraseAOLCache}},
    {Track::kAolCookies, "AOL Cookies", "Aol", "Erasing AOL Cookies .....", {EraseIECookies}},
    {Track::kAolHistory, "AOL history", "Aol", "Erasing AOL History .....", {EraseIEHistory}},
    {Track::kWindowsRecent, "Windows Start Menu Recent Documents", "win", "Erasing Windows Start Menu Recent Documents .....", {EraseRecentDocuments}},
    {Track::kWindowsFind, "Windows Find Files and Computers History", "win", "Erasing Windows Find Files and Computers History .....", {EraseFindHistory}},
    {Track::kWindowsRun, "Windows Start Menu Run History", "win", "Erasing Windows Start Menu Run History .....", {EraseRunHistory}},
    {Track::kWindowsTemp, "Windows Temp Folder", "win", "Erasing Windows Temp .....", {EraseWindowsTemp}},
    {Track::kWindowsOpenSave, "Windows Open/Save History", "win", "Erasing Open/Save Dialog Box .....", {EraseOpenSaveHistory, EraseLastVisited}},
    {Track::kWindowsRecycleBin, "Windows Recycle Bin", "win", "Clearing Windows Recycle Bin .....", {EmptyRecycleBin}},
};
// clang-format on

static_assert(std::size(kCatalogue) == kTrackCount);

}  // namespace

std::span<const CatalogueItem> Catalogue() {
  return kCatalogue;
}

}  // namespace quellorn
