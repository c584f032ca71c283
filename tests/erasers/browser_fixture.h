#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "support/profile_fixture.h"

namespace quellorn::testing {

// A browser's files on the test machine, below its root folder. Runs erase unless a case says
// otherwise.
class BrowserTest : public ProfileTest {
 protected:
  BrowserTest() { ctx.run.mode = EraseMode::kErase; }
  bool Logged(std::string_view line) {
    return Log().find(std::string(line) + "\r\n") != std::string::npos;
  }
  const std::vector<std::string>& Lines() const { return view.progress; }
  std::vector<std::string> SortedLines() const { return SortedProgress(); }
  std::vector<std::string> Names(std::string_view relative) {
    std::vector<std::string> names;
    auto listing = os.files.List(At(relative));
    for (platform::DirEntry entry; listing && listing->Next(entry);)
      names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }
};

// Netscape 6 registered, the user's application data folder at Root\AppData (so the Mozilla
// profiles lie in Root\AppData\Mozilla\Profiles) and the Netscape program folder, for 4.x and
// users50, at Root\Netscape.
class NetscapeTest : public BrowserTest {
 protected:
  NetscapeTest() {
    Reg("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape 6]\r\n\"CurrentVersion\"=\"6.2.3 "
        "(en)\"\r\n");
    ShellFolders({{"AppData", "AppData"}});
    ctx.settingsFile.SaveSetting("Browser", "nc4dir", At("Netscape"));
  }

  // Relative paths of the three kinds of profile folder.
  static std::string Mozilla(std::string_view profile) {
    return "AppData\\Mozilla\\Profiles\\" + std::string(profile);
  }
  static std::string Netscape4(std::string_view user) {
    return "Netscape\\users\\" + std::string(user);
  }
  static std::string Users50(std::string_view user) {
    return "Netscape\\users50\\" + std::string(user);
  }
  // The full paths as the erasers write them into their lines.
  std::string Netscape4Line(std::string_view user, std::string_view file) const {
    return At("Netscape") + "\\USERS\\" + std::string(user) + "\\" + std::string(file);
  }
  std::string Users50Line(std::string_view user, std::string_view file) const {
    return At("Netscape") + "\\USERS50\\" + std::string(user) + "\\" + std::string(file);
  }
};

}  // namespace quellorn::testing
