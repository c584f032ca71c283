#pragma once

#include <string_view>

namespace quellorn {

// Where Internet Explorer keeps what its erasers and the keep-list window read.

// Under HKEY_CURRENT_USER: one value per typed address, named url1, url2, ...
inline constexpr std::string_view kTypedUrlsKey =
    "Software\\Microsoft\\Internet Explorer\\TypedURLs";
// Under HKEY_LOCAL_MACHINE: value "Path", the folder Internet Explorer is installed in.
inline constexpr std::string_view kIeSetupKey = "SOFTWARE\\Microsoft\\IE Setup\\Setup";
// The plug-in folder below it, spelled as the program has always spelled it.
inline constexpr std::string_view kIePluginsFolder = "\\PlUGINS";

}  // namespace quellorn
