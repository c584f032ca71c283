#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/context.h"
#include "run/run_plan.h"

namespace quellorn::app {

// The documents `--json` prints on stdout, one per command, each ending with a newline.

// The text as a JSON string: quoted and escaped, with U+FFFD for any byte that is not part of
// valid UTF-8, so the document stays valid whatever a file name holds.
std::string JsonString(std::string_view text);

// {"items":[{"id":…,"name":…,"selected":…},…]}
std::string ItemsDocument(const std::vector<PlanItem>& items);

// {"command":…,"items":[rows],"lines":[progress lines],"totals":{…},"status":…}
struct RunReport {
  std::string_view command;
  const std::vector<std::string>& items;
  const std::vector<std::string>& lines;
  const EraseTotals& totals;
  const std::string& status;
};
std::string RunDocument(const RunReport& report);

}  // namespace quellorn::app
