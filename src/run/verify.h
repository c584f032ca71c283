#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/erase_ledger.h"

namespace quellorn {

struct Context;
struct PlanItem;

// After the erase pass of a run: walks the same items again as a test run would, showing and
// logging nothing of the walk itself (see DispList), so that the run's ledger holds what survived
// and why. Then reports each survivor ("Survivor: PATH <in use>") and the summary line in the
// progress list and the log.
void VerifyErase(Context& ctx, const std::vector<PlanItem>& plan);

// "kept", "in use", "access denied", "reappeared" or "not erased".
std::string_view ReasonText(SurvivorReason reason);
int UnexpectedSurvivors(const std::vector<Survivor>& survivors);
// "Verify: everything selected was erased", or "Verify: 3 survived, 2 unexpected (in use)".
std::string VerifySummary(const std::vector<Survivor>& survivors);

}  // namespace quellorn
