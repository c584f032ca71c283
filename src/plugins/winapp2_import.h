#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "plugins/winapp2.h"

namespace quellorn {

struct Context;

// Whether the entry's program is on this machine: one of its Detect keys exists or something
// at one of its DetectFile paths; an entry without either applies everywhere.
bool Winapp2Detects(Context& ctx, const Winapp2Entry& entry);

struct Winapp2Summary {
  int converted = 0;
  int notInstalled = 0;
  int refused = 0;
  std::vector<std::string> refusals;   // "entry: reason"
  std::map<std::string, int> reasons;  // how often each reason refused an entry
};

// Writes a plugin file (unselected, provider "winapp2.ini") for each entry of the text whose
// program is here (every entry with `all`). A file imported before is replaced; a plugin of the
// same name from elsewhere is left alone and counts as refused.
Winapp2Summary ImportWinapp2(Context& ctx, std::string_view text, bool all);

}  // namespace quellorn
