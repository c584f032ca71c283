#include "erasers/netscape_profiles.h"

#include <algorithm>
#include <array>

#include "core/context.h"
#include "core/text_util.h"
#include "core/windows_info.h"
#include "erasers/browser_files.h"
#include "primitives/reg_path.h"
#include "primitives/registry_eraser.h"

namespace quellorn {

namespace attr = platform::attr;

namespace {

constexpr std::string_view kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The files of a Mozilla profile's inner folder, any of which tells it from other folders that
// may lie beside it.
constexpr std::array<std::string_view, 5> kProfileFiles = {"prefs.js", "cookies.txt", "history.dat",
                                                           "netscape.hst", "localstore.rdf"};

bool MozillaInstalled(Context& ctx) {
  const auto version = [&ctx](std::string_view key) {
    return QueryValue(ctx, platform::kLocalMachine, key, "CurrentVersion");
  };
  return version("SOFTWARE\\Netscape\\Netscape 6") != kReadFailed ||
         version("SOFTWARE\\Netscape\\Netscape") != kReadFailed;
}

// The folder holding one folder per profile; "" when the application data folder is unknown.
std::string MozillaRoot(Context& ctx) {
  if (ctx.windowsVersion == "98") {
    return GetWindowsFolder(ctx.os.system) + "application data\\Mozilla\\Profiles\\";
  }
  const std::string appData = QueryValue(ctx, platform::kCurrentUser, kShellFolders, "AppData");
  return IsFullPath(appData) ? appData + "\\Mozilla\\Profiles\\" : "";
}

std::vector<std::string> Names(const std::string& commaList) {
  std::vector<std::string> names = SplitText(commaList, ",");
  std::erase_if(names, [](const std::string& name) { return name.empty(); });
  return names;
}

bool HoldsProfileFiles(Context& ctx, const std::string& folder) {
  return std::any_of(kProfileFiles.begin(), kProfileFiles.end(), [&](std::string_view name) {
    return IsExistingFile(ctx, folder + "\\" + std::string(name));
  });
}

// Each profile folder holds the profile's files in a subfolder of a made-up name. A profile
// folder without one ends the walk of the group. With several, each that holds profile files
// is visited.
void AddMozillaProfiles(Context& ctx, std::vector<NetscapeProfile>& profiles) {
  const std::string root = MozillaRoot(ctx);
  if (root.empty()) return;
  for (const std::string& profile : Names(ListSubfolders(ctx, root))) {
    const std::vector<std::string> inner = Names(ListSubfolders(ctx, root + profile));
    if (inner.empty()) return;
    for (const std::string& name : inner) {
      const std::string folder = root + profile + "\\" + name;
      if (inner.size() == 1 || HoldsProfileFiles(ctx, folder)) {
        profiles.push_back({ProfileGroup::kMozilla, folder});
      }
    }
  }
}

void AddUserFolders(Context& ctx, ProfileGroup group, std::string_view listed,
                    std::string_view written, std::vector<NetscapeProfile>& profiles) {
  const std::string programFolder = NetscapeFolder(ctx.settingsFile);
  if (!IsFullPath(programFolder)) return;
  const std::string base = programFolder + "\\" + std::string(written) + "\\";
  for (const std::string& user :
       Names(ListSubfolders(ctx, programFolder + "\\" + std::string(listed)))) {
    profiles.push_back({group, base + user});
  }
}

}  // namespace

std::string ListSubfolders(Context& ctx, std::string folder) {
  if (!folder.ends_with('\\')) folder += '\\';
  std::string names;
  auto listing = ctx.os.files.List(folder);
  if (!listing) return names;
  for (platform::DirEntry entry; listing->Next(entry);) {
    if ((entry.attributes & attr::kDirectory) == 0 || (entry.attributes & attr::kReparsePoint) != 0)
      continue;
    names += entry.name + ",";
  }
  return names;
}

std::vector<NetscapeProfile> NetscapeProfiles(Context& ctx, std::string_view users50) {
  std::vector<NetscapeProfile> profiles;
  if (MozillaInstalled(ctx)) AddMozillaProfiles(ctx, profiles);
  AddUserFolders(ctx, ProfileGroup::kNetscape4, "users", "USERS", profiles);
  AddUserFolders(ctx, ProfileGroup::kUsers50, "users50", users50, profiles);
  return profiles;
}

}  // namespace quellorn
