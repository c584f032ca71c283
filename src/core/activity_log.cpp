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
  if (!ctx.log.held) {
    AppendToFile(ctx.os.files, LogPath(ctx), text);
    return;
  }
  if (!ctx.log.file && ctx.os.files.Open(LogPath(ctx), platform::OpenMode::kAppend, ctx.log.file) !=
                           platform::kSuccess) {
    return;
  }
  // A failed write closes the log: the next line tries a fresh open, as an unheld one would.
  if (ctx.log.file->Write(text.data(), text.size()) != platform::kSuccess) ctx.log.file.reset();
}

void ClearLog(Context& ctx) {
  // Closed first: the cleared log is a new file, which the next line opens.
  ctx.log.file.reset();
  WriteWholeFile(ctx.os.files, LogPath(ctx), "");
}

HeldLog::HeldLog(Context& ctx) : ctx_(ctx), owner_(!ctx.log.held) {
  ctx.log.held = true;
}

HeldLog::~HeldLog() {
  if (!owner_) return;
  ctx_.log.file.reset();
  ctx_.log.held = false;
}

void ViewLog(Context& ctx) {
  ctx.os.shell.Start("notepad " + LogPath(ctx), platform::ShowStyle::kNormal);
}

std::string NowText(Context& ctx) {
  return FormatGeneralDate(ctx.os.system.Now(), ctx.os.system.Locale());
}

}  // namespace quellorn
