#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

// How the location bar eraser rewrites the browsers' own files, as text rules.

// localstore.rdf of Netscape 6 and Mozilla: every piece of the text between line feeds that
// holds no "RDF:li" (any letter case: the sequence items of the typed addresses), each
// followed by LF, then CR LF at the end.
std::string WithoutSequenceItems(std::string_view localStore);

// prefs.js of Netscape 6 and Mozilla: each line that mentions "url_history" or
// "last_page_visited" (letter case significant) becomes a preference with no address; the
// other lines stay. Lines end with CR LF.
std::string WithUrlHistoryBlanked(const std::vector<std::string>& prefs);

// prefs.js of Netscape 4.x: the lines that mention "browser.url_history" (any letter case)
// go. Lines end with CR LF.
std::string WithoutUrlHistory(const std::vector<std::string>& prefs);

}  // namespace quellorn
