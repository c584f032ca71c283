#include "run/verify.h"

#include <algorithm>

#include "core/context.h"
#include "core/report.h"
#include "run/run_plan.h"

namespace quellorn {
namespace {

// The verification pass as a test run of the same items, which shows and logs nothing while the
// ledger verifies; the erase run's mode and totals are back when it ends.
class VerificationPass {
 public:
  explicit VerificationPass(Context& ctx) : ctx_(ctx), totals_(ctx.run.totals) {
    ctx.run.mode = EraseMode::kTest;
    ctx.run.ledger.Begin(EraseLedger::Pass::kVerify);
  }
  ~VerificationPass() {
    ctx_.run.ledger.Begin(EraseLedger::Pass::kNone);
    ctx_.run.mode = EraseMode::kErase;
    ctx_.run.totals = totals_;
  }
  VerificationPass(const VerificationPass&) = delete;
  VerificationPass& operator=(const VerificationPass&) = delete;

 private:
  Context& ctx_;
  EraseTotals totals_;
};

std::string SurvivorLine(const Survivor& survivor) {
  return "Survivor: " + survivor.path + " <" + std::string(ReasonText(survivor.reason)) + ">";
}

}  // namespace

void VerifyErase(Context& ctx, const std::vector<PlanItem>& plan) {
  {
    VerificationPass pass(ctx);
    for (const PlanItem& item : plan)
      item.erase(ctx);
  }
  const std::vector<Survivor>& survivors = ctx.run.ledger.survivors();
  for (const Survivor& survivor : survivors)
    ReportLine(ctx, SurvivorLine(survivor));
  ReportLine(ctx, VerifySummary(survivors));
}

std::string_view ReasonText(SurvivorReason reason) {
  constexpr std::string_view kTexts[] = {"kept", "in use", "access denied", "reappeared",
                                         "not erased"};
  return kTexts[static_cast<std::size_t>(reason)];
}

int UnexpectedSurvivors(const std::vector<Survivor>& survivors) {
  return static_cast<int>(std::count_if(survivors.begin(), survivors.end(),
                                        [](const Survivor& s) { return s.unexpected(); }));
}

std::string VerifySummary(const std::vector<Survivor>& survivors) {
  if (survivors.empty()) return "Verify: everything selected was erased";
  std::string summary = "Verify: " + std::to_string(survivors.size()) + " survived, " +
                        std::to_string(UnexpectedSurvivors(survivors)) + " unexpected";
  std::string reasons;
  for (SurvivorReason reason : {SurvivorReason::kInUse, SurvivorReason::kAccessDenied,
                                SurvivorReason::kReappeared, SurvivorReason::kNotErased}) {
    if (std::any_of(survivors.begin(), survivors.end(),
                    [reason](const Survivor& s) { return s.reason == reason; })) {
      reasons += reasons.empty() ? " (" : ", ";
      reasons += ReasonText(reason);
    }
  }
  return reasons.empty() ? summary : summary + reasons + ")";
}

}  // namespace quellorn
