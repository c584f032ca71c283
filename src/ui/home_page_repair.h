#pragma once

#include <string_view>

#include "core/context.h"

namespace quellorn::ui {

// The search addresses the repair puts back.
inline constexpr std::string_view kDefaultSearchPage =
    "http://www.microsoft.com/isapi/redir.dll?prd=ie&ar=iesearch";
inline constexpr std::string_view kDefaultSearchBar =
    "http://search.msn.com/spbasic.htm?cp=1252&q=";
inline constexpr std::string_view kDefaultCustomSearch =
    "http://rd.search.example.com/customize/ymsgr/defaults/cs/*"
    "http://search.example.com/ext/search/search.html";
inline constexpr std::string_view kDefaultCustomizeSearch =
    "http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchcust.htm";
inline constexpr std::string_view kDefaultSearchAssistant =
    "http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchasst.htm";

// The home page repair of the options window: writes the guard setting, sets the Internet
// Explorer start page and window title, lifts the policies that lock them, clears the log-on
// notice, puts back the default search pages, removes start-up entries that open web pages or
// the registry editor, and remembers `homepage` as the page the guard defends. Values go only
// into keys that exist.
void RepairHomePage(Context& ctx, std::string_view homepage, std::string_view windowTitle);

}  // namespace quellorn::ui
