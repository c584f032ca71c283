#pragma once

namespace quellorn {

struct Context;

// The erasers of the Netscape track items. Each visits every profile of Netscape 6 and
// Mozilla, of Netscape 4.x and of the users50 folder (see NetscapeProfiles).
void EraseNetscapeCookies(Context& ctx);
void EraseNetscapeHistory(Context& ctx);
void EraseNetscapeCache(Context& ctx);
// Takes the typed addresses out of the browsers' own files (localstore.rdf and prefs.js)
// without deleting them.
void EraseNetscapeLocationBar(Context& ctx);

}  // namespace quellorn
