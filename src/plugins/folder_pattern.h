#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

struct Context;

// The folders a folder path with wildcards ("*", "?") in some of its parts stands for: each such
// part matches every subfolder of that level whose name fits it (by name, in any letter case),
// never through a link. A path without wildcards is returned as it is, whether it exists or not;
// a wildcard in the drive finds nothing.
std::vector<std::string> MatchingFolders(Context& ctx, std::string_view folder);

}  // namespace quellorn
