#include "run/catalogue.h"

#include "browsers/aol_api.h"
#include "browsers/netscape_api.h"
#include "browsers/opera_api.h"

namespace quellorn {
namespace {

// Erasers arrive with their modules; an entry without one is listed and walked but erases
// nothing yet.
constexpr CatalogueItem kCatalogue[] = {
    {Track::kIeLocationBar, "IE Location Bar", "ie", "Erasing IE Location Bar......", {}},
    {Track::kIeCookies, "IE Cookies", "ie", "Erasing IE Cookies .....", {}},
    {Track::kIeCache, "IE Cache", "ie", "Erasing IE Cache .....", {}},
    {Track::kIeHistory, "IE History", "ie", "Erasing IE History .....", {}},
    {Track::kIeAutoComplete,
     "IE AutoComplete Forms and Passwords",
     "ie",
     "Erasing AutoComplete Memory .....",
     {}},
    {Track::kIePlugins, "IE PlugIns", "ie", "Erasing IE Plugins .....", {}},
    {Track::kIeIndex, "Index.dat File", "ie", "Cleaning Index.dat .....", {}},
    {Track::kNetscapeCookies,
     "Netscape Cookies",
     "netscape",
     "Erasing Netscape Cookies .....",
     {EraseNetscapeCookies}},
    {Track::kNetscapeHistory,
     "Netscape History",
     "netscape",
     "Erasing Netscape History .....",
     {EraseNetscapeHistory}},
    {Track::kNetscapeLocationBar,
     "Netscape Location Bar History",
     "netscape",
     "Erasing Netscape Location Bar History .....",
     {EraseNetscapeLocationBar}},
    {Track::kNetscapeCache,
     "Netscape Cache",
     "netscape",
     "Erasing Netscape Cache .....",
     {EraseNetscapeCache}},
    {Track::kOperaLocationBar,
     "Opera Location Bar History",
     "Opera",
     "Erasing Opera Location Bar History .....",
     {EraseOperaLocationBar}},
    {Track::kOperaCookies,
     "Opera Cookies",
     "Opera",
     "Erasing Opera Cookies .....",
     {EraseOperaCookies}},
    {Track::kOperaCache,
     "Opera Cache and History",
     "Opera",
     "Erasing Opera Cache and History .....",
     {EraseOperaCache}},
    {Track::kAolLocationBar,
     "AOL Location Bar",
     "Aol",
     "Erasing AOL Location Bar.....",
     {EraseAOLLocationBar}},
    {Track::kAolCache, "AOL Cache", "Aol", "Erasing AOL Cache .....", {EraseAOLCache}},
    {Track::kAolCookies, "AOL Cookies", "Aol", "Erasing AOL Cookies .....", {}},
    {Track::kAolHistory, "AOL history", "Aol", "Erasing AOL History .....", {}},
    {Track::kWindowsRecent,
     "Windows Start Menu Recent Documents",
     "win",
     "Erasing Windows Start Menu Recent Documents .....",
     {}},
    {Track::kWindowsFind,
     "Windows Find Files and Computers History",
     "win",
     "Erasing Windows Find Files and Computers History .....",
     {}},
    {Track::kWindowsRun,
     "Windows Start Menu Run History",
     "win",
     "Erasing Windows Start Menu Run History .....",
     {}},
    {Track::kWindowsTemp, "Windows Temp Folder", "win", "Erasing Windows Temp .....", {}},
    {Track::kWindowsOpenSave,
     "Windows Open/Save History",
     "win",
     "Erasing Open/Save Dialog Box .....",
     {}},
    {Track::kWindowsRecycleBin,
     "Windows Recycle Bin",
     "win",
     "Clearing Windows Recycle Bin .....",
     {}},
};

static_assert(std::size(kCatalogue) == kTrackCount);

}  // namespace

std::span<const CatalogueItem> Catalogue() {
  return kCatalogue;
}

}  // namespace quellorn
