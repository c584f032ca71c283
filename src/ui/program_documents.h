#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

namespace ui {

// The pages of help.chm, one per window.
namespace help_page {
inline constexpr std::string_view kContents = "index.html";
inline constexpr std::string_view kMainWindow = "main_window.html";
inline constexpr std::string_view kTray = "tray.html";
inline constexpr std::string_view kEraseNow = "erase_now.html";
inline constexpr std::string_view kOptions = "options.html";
inline constexpr std::string_view kAbout = "about.html";
inline constexpr std::string_view kEraserSettings = "tracks.html";
inline constexpr std::string_view kCustomItems = "custom_items.html";
}  // namespace help_page

inline constexpr std::string_view kHelpMissing = "The help file help.chm is missing from ";

// Opens `page` of help.chm in the program folder. Without the file a message says so.
void OpenHelp(Context& ctx, std::string_view page);
// The program's logo, logo.jpg of the program folder.
std::string LogoPath(const Context& ctx);

}  // namespace ui
}  // namespace quellorn
