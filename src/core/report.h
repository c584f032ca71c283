#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

// The progress list: adds a line ("Test Mode: " in front unless the run erases; control
// characters escaped, see OneLine) and keeps the newest line in view.
void DispList(Context& ctx, std::string_view line);
// The counter line under the lists.
void DispStatus(Context& ctx);
// How erasers report an erased item: shown, one pass of the event loop, then logged.
void ReportLine(Context& ctx, std::string_view line);

// Released space as shown: kilobytes / 1000 as "####0.##" + " MB".
std::string DisplayedSpace(Context& ctx);

}  // namespace quellorn
