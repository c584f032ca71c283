#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

struct Context;

// The names of a folder's subfolders, each followed by a comma, in listing order; "" when it
// has none or does not exist. Links to folders are not listed: a walk never enters one.
std::string ListSubfolders(Context& ctx, std::string folder);

// The three generations of the browser family, each with its own rules for the same files.
enum class ProfileGroup {
  kMozilla,    // Netscape 6 and Mozilla: profiles below the user's application data folder
  kNetscape4,  // Netscape 4.x: user folders in "users" of the Netscape program folder
  kUsers50,    // user folders in "users50" of the same folder, kept by the Netscape 6 rules
};

struct NetscapeProfile {
  ProfileGroup group;
  std::string folder;  // where the profile's files lie, without trailing backslash
};

// Every profile folder of the three groups, in the order the erasers visit them. The Netscape
// program folder is the "nc4dir" setting of section "browser"; `users50` is how the users50
// folder is written into the paths (the location bar eraser has always written it in lower
// case, the others in capitals).
std::vector<NetscapeProfile> NetscapeProfiles(Context& ctx, std::string_view users50 = "USERS50");

}  // namespace quellorn
