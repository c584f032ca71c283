#pragma once

#include <string>

#include "platform/platform.h"

namespace quellorn {

// The Windows folder with exactly one trailing backslash ("\" alone when unknown).
std::string GetWindowsFolder(platform::SystemInfo& system);
// The logged-on user's name, NUL characters removed.
std::string GetLoginName(platform::SystemInfo& system);
// "95", "98" (also NT 4 and Me), "Windows NT 3.51", "2000", "xp", "" for other versions,
// "Failed" for an unknown platform.
std::string GetWindowsVersion(const platform::WindowsVersion& version);

}  // namespace quellorn
