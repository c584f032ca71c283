#include "erasers/netscape_erasers.h"
#include "erasers/browser_files.h"
#include "erasers/netscape_profiles.h"
#include "primitives/file_eraser.h"

namespace quellorn {

void EraseNetscapeCookies(Context& ctx) {
  for (const NetscapeProfile& profile : NetscapeProfiles(ctx)) {
    EraseBrowserFile(ctx, profile.folder + "\\cookies.txt");
  }
}

void EraseNetscapeHistory(Context& ctx) {
  for (const NetscapeProfile& profile : NetscapeProfiles(ctx)) {
    if (profile.group != ProfileGroup::kNetscape4) {
      EraseBrowserFile(ctx, profile.folder + "\\history.dat");
    }
    if (profile.group != ProfileGroup::kUsers50) {
      EraseBrowserFile(ctx, profile.folder + "\\netscape.hst");
    }
  }
}

void EraseNetscapeCache(Context& ctx) {
  for (const NetscapeProfile& profile : NetscapeProfiles(ctx)) {
    const std::string cache =
        profile.folder + (profile.group == ProfileGroup::kMozilla ? "\\cache" : "\\cache\\");
    if (HoldsOrdinaryFiles(ctx, cache)) EraseFolderTree(ctx, cache);
  }
}

}  // namespace quellorn
