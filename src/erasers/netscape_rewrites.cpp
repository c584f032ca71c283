#include "erasers/netscape_rewrites.h"

#include "core/text_util.h"

namespace quellorn {

namespace {

constexpr std::string_view kBlankLastPage =
    R"(user_pref("browser.History.last_page_visited; ", "");)";

}  // namespace

std::string WithoutSequenceItems(std::string_view localStore) {
  std::string text;
  for (const std::string& piece : SplitText(localStore, "\n")) {
    if (!ContainsIgnoreCase(piece, "RDF:li")) text += piece + "\n";
  }
  return text + "\r\n";
}

std::string WithUrlHistoryBlanked(const std::vector<std::string>& prefs) {
  std::string text;
  for (const std::string& line : prefs) {
    const bool typed = line.find("url_history") != std::string::npos ||
                       line.find("last_page_visited") != std::string::npos;
    text += (typed ? std::string(kBlankLastPage) : line) + "\r\n";
  }
  return text;
}

std::string WithoutUrlHistory(const std::vector<std::string>& prefs) {
  std::string text;
  for (const std::string& line : prefs) {
    if (!ContainsIgnoreCase(line, "browser.url_history")) text += line + "\r\n";
  }
  return text;
}

}  // namespace quellorn
