#pragma once

#include <string_view>

namespace quellorn::ui {

// The maker's web pages and support address, which the tray menu and the About window open.
inline constexpr std::string_view kMakerHomePage = "https://www.orvalen.example/";
inline constexpr std::string_view kMakerPluginsPage = "https://www.orvalen.example/plugins.htm";
inline constexpr std::string_view kMakerSupportPage = "https://www.orvalen.example/faq.htm";
inline constexpr std::string_view kMakerSupportMail = "support@orvalen.example";

}  // namespace quellorn::ui
