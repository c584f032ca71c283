#include "run/erase_runner.h"

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "run/run_plan.h"
#include "run/verify.h"

namespace quellorn {
namespace {

// Runs each item, keeping the task list and the progress bar in step.
void RunItems(Context& ctx, const std::vector<PlanItem>& plan) {
  for (std::size_t index = 0; index < plan.size(); ++index) {
    const PlanItem& item = plan[index];
    const int row = static_cast<int>(index) + 1;
    ctx.view().SetTaskState(row, "Erasing", "working");
    DispList(ctx, item.progressLine);
    item.erase(ctx);
    // An item's registry changes are kept as a whole, so a run cut short loses at most the
    // item under way. A failed flush is retried after the next item.
    ctx.os.registry.Flush();
    ctx.view().SetTaskState(row, "Done", "done");
    if (item.scrollsTasks) ctx.view().ScrollTasksDown();
    if (ctx.run.taskCount > 0) ctx.view().SetProgress(ProgressPercent(row, ctx.run.taskCount));
  }
}

// Marks the run active for its lifetime, so that a trigger or a click served while the run
// yields cannot start a second run inside it; the run keeps the log open and the locale read
// meanwhile.
class RunGuard {
 public:
  explicit RunGuard(Context& ctx) : ctx_(ctx), owner_(!ctx.run.active), log_(ctx) {
    ctx.run.active = true;
    if (owner_) ctx.run.locale = ctx.os.system.Locale();
  }
  ~RunGuard() {
    if (!owner_) return;
    ctx_.run.active = false;
    ctx_.run.locale.reset();
  }
  bool owner() const { return owner_; }

 private:
  Context& ctx_;
  bool owner_;
  HeldLog log_;
};

std::string Counters(Context& ctx, std::string_view keys, std::string_view files,
                     std::string_view space) {
  return std::string(keys) + std::to_string(ctx.run.totals.registryKeys) + std::string(files) +
         std::to_string(ctx.run.totals.files) + std::string(space) + DisplayedSpace(ctx);
}

std::string ErasedCounters(Context& ctx) {
  return Counters(ctx, "Registry Keys Erased: ", ", Files Erased: ", " ,Released HD Space: ");
}

std::string ScannedCounters(Context& ctx) {
  return Counters(ctx, "Registry Keys Scanned: ", ", Files : ", " , HD Space: ");
}

// The words of the result window stand centred between 21 and 19 blanks.
std::string ResultMessage(std::string_view words, const std::string& counters) {
  return std::string(21, ' ') + std::string(words) + std::string(19, ' ') + "\r\n\r\n" + counters;
}

void RunErase(Context& ctx) {
  ctx.view().ClearProgress();
  ctx.view().ShowProgressBar(true);
  ctx.run.totals = {};
  ctx.view().EnableErase(false);
  WriteLog(ctx, "-----------Start to Erase------------------------at " + NowText(ctx));
  DispList(ctx, "Start to Erase------------------------------------at " + NowText(ctx));
  const std::vector<PlanItem> plan = BuildRunPlan(ctx);
  // A run a trigger starts (when a browser closes, as Windows shuts down) must end quickly: the
  // second walk is for runs the user starts.
  const bool verify = ctx.run.verify && !ctx.run.triggered;
  if (verify) ctx.run.ledger.Begin(EraseLedger::Pass::kErase);
  RunItems(ctx, plan);
  if (verify) VerifyErase(ctx, plan);
  WriteLog(ctx, ErasedCounters(ctx));
  WriteLog(ctx, "-----------Task Completed Successfully-----------at " + NowText(ctx));
  DispList(ctx, "Task Completed Successfully-----------at " + NowText(ctx));
  // A run of a few named items is not an erase of the selection: the date the window shows and
  // the schedule counts from stays.
  if (!ctx.run.only && !SaveLastErased(ctx.settingsFile, NowText(ctx))) {
    const std::string line = "Could not save " + ctx.settingsFile.path() + " <Failed>";
    WriteLog(ctx, line);
    DispList(ctx, line);
  }
  ctx.view().SetEraseCaption("&Erase Now");
  ctx.view().ScrollProgressDown();
  ctx.view().ShowProgressBar(false);
  DispStatus(ctx);
  ctx.view().EnableTrayExit(true);
  if (!ctx.settings.StealthOn() && ctx.settings.ShowsResultWindow()) {
    std::string message = ResultMessage("Task Completed Successfully!", ErasedCounters(ctx));
    if (verify) message += "\r\n" + VerifySummary(ctx.run.ledger.survivors());
    ctx.view().ShowResult("Task Completed", message, ctx.run.triggered);
  }
  ctx.view().EnableErase(true);
}

void RunTest(Context& ctx) {
  ctx.view().EnableTrayExit(false);
  ctx.view().ShowProgressBar(true);
  ctx.run.mode = EraseMode::kTest;
  ctx.run.totals = {};
  ctx.view().ClearProgress();
  WriteLog(ctx, "Test Start --------------------at " + NowText(ctx));
  DispList(ctx, "Test start---------------------at " + NowText(ctx));
  StartTask(ctx);
  WriteLog(ctx, "--Test Completed ----" + ScannedCounters(ctx) + "-------at " + NowText(ctx));
  DispList(ctx, "Test Completed ----" + ScannedCounters(ctx) + "-------at " + NowText(ctx));
  ctx.view().ScrollProgressDown();
  ctx.view().SetProgress(100);
  ctx.view().ShowResult("Test Completed",
                        ResultMessage("Test Completed Successfully!", ScannedCounters(ctx)), false);
  ctx.view().ShowProgressBar(false);
  DispStatus(ctx);
  ctx.run.triggered = false;
  ctx.view().EnableTrayExit(true);
}

EraseMode ConfirmedMode(Context& ctx) {
  if (ctx.run.triggered) return ctx.run.mode;
  if (ConfirmationSkipped(ctx.settingsFile)) return EraseMode::kErase;
  return ctx.view().ConfirmErase();
}

}  // namespace

void EraseNow(Context& ctx) {
  RunGuard guard(ctx);
  if (!guard.owner()) return;
  ctx.view().EnableTrayExit(false);
  ctx.run.mode = ConfirmedMode(ctx);
  if (ctx.run.mode == EraseMode::kErase) {
    RunErase(ctx);
  } else if (ctx.run.mode == EraseMode::kTest) {
    RunTest(ctx);
  } else {
    ctx.view().EnableTrayExit(true);
  }
}

void TestNow(Context& ctx) {
  RunGuard guard(ctx);
  if (guard.owner()) RunTest(ctx);
}

void StartTask(Context& ctx) {
  RunItems(ctx, BuildRunPlan(ctx));
}

}  // namespace quellorn
