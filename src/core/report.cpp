#include "core/report.h"

#include "core/activity_log.h"
#include "core/context.h"
#include "core/line_text.h"
#include "core/locale_text.h"

namespace quellorn {

// The verification pass of an erase run walks as a test run would; it reports what survived
// afterwards, and nothing of the walk itself.
void DispList(Context& ctx, std::string_view line) {
  if (ctx.run.ledger.verifying()) return;
  std::string text = ctx.erasing() ? "" : "Test Mode: ";
  text += OneLine(line);
  ctx.view().AddProgressLine(text);
  ctx.view().ScrollProgressDown();
}

std::string DisplayedSpace(Context& ctx) {
  const float megabytes = ctx.run.totals.releasedKilobytes / 1000.0f;
  const std::string decimal =
      ctx.run.locale ? ctx.run.locale->decimal : ctx.os.system.Locale().decimal;
  return FormatDecimal2(megabytes, decimal) + " MB";
}

void DispStatus(Context& ctx) {
  if (ctx.run.ledger.verifying()) return;
  const std::string keys = std::to_string(ctx.run.totals.registryKeys);
  const std::string files = std::to_string(ctx.run.totals.files);
  if (ctx.erasing()) {
    ctx.view().SetStatus("Erased Registry Keys: " + keys + "  Files: " + files +
                         "   Released HD Space: " + DisplayedSpace(ctx));
  } else {
    ctx.view().SetStatus("Test: Scanned Registry Keys: " + keys + "  Files: " + files +
                         "   HD Space: " + DisplayedSpace(ctx));
  }
}

void ReportLine(Context& ctx, std::string_view line) {
  DispList(ctx, line);
  ctx.view().Yield();
  WriteLog(ctx, line);
}

}  // namespace quellorn
