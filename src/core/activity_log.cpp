#include "core/activity_log.h"

#include "core/context.h"
#include "core/file_text.h"
#include "core/line_text.h"
#include "core/locale_text.h"

namespace quellorn {

std::string LogPath(const Context& ctx) {
  return ctx.programFolder + "\\syslog.txt";
}

void WriteLog(Context& ctx, std::string_view line) {
  // Nothing of an erase run's verification walk either (see DispList).
  if (ctx.settings.LoggingOff() || ctx.run.ledger.verifying()) return;
  std::string text = ctx.erasing() ? "" : "Test Mode: ";
  text += OneLine(line);
  text += "\r\n";
  AppendToFile(ctx.os.files, LogPath(ctx), text);
}

void ClearLog(Context& ctx) {
  WriteWholeFile(ctx.os.files, LogPath(ctx), "");
}

void ViewLog(Context& ctx) {
  ctx.os.shell.Start("notepad " + LogPath(ctx), platform::ShowStyle::kNormal);
}

std::string NowText(Context& ctx) {
  return FormatGeneralDate(ctx.os.system.Now(), ctx.os.system.Locale());
}

}  // namespace quellorn
