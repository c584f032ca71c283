#pragma once

#include <string>
#include <vector>

#include "erasers/keep_list.h"

namespace quellorn {

struct Context;

// What the user can put on a keep list now: the files of the user's cookie folder or of the
// PLUGINS folder (index files left out), or the typed addresses, in the order the system lists
// them. Kept items are listed too.
std::vector<std::string> KeepListCandidates(Context& ctx, KeepListKind kind);

}  // namespace quellorn
