#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "support/fixtures.h"

namespace quellorn::testing {

// Keys of the real Windows XP user's registry export, below HKEY_CURRENT_USER.
inline constexpr std::string_view kXpShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view kXpTypedUrls =
    "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// The named keys of the real Windows XP user's registry export ("REGEDIT4" text), with the
// user's profile moved below the test machine's root: "C:\Documents and Settings" becomes
// $ROOT, so the user's folders are root()\joe\..., ready for TestMachine::LoadReg.
inline std::string XpUserKeys(std::initializer_list<std::string_view> keys) {
  const std::string text = Fixture("registry/xp_user_joe.regedit4.reg");
  std::string kept = "REGEDIT4\r\n\r\n";
  bool keeping = false;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 2;
    if (line.starts_with('[')) {
      keeping = false;
      for (std::string_view key : keys) {
        keeping = keeping || line == "[HKEY_CURRENT_USER\\" + std::string(key) + "]";
      }
    }
    if (!keeping) continue;
    const std::string profiles = "C:\\\\Documents and Settings";
    for (std::size_t at = line.find(profiles); at != std::string::npos; at = line.find(profiles)) {
      line.replace(at, profiles.size(), "$ROOT");
    }
    kept += line + "\r\n";
  }
  return kept;
}

}  // namespace quellorn::testing
