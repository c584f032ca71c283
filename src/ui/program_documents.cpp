#include "ui/program_documents.h"

#include "core/context.h"

namespace quellorn::ui {

void OpenHelp(Context& ctx, std::string_view page) {
  const std::string file = ctx.programFolder + "\\help.chm";
  if (!ctx.os.files.Exists(file)) {
    ctx.view().ShowResult("Quellorn", std::string(kHelpMissing) + ctx.programFolder + ".", false);
    return;
  }
  // The help viewer opens a page of the file; without it, the file opens at its first page.
  const std::string topic = "hh.exe \"" + file + "::/" + std::string(page) + "\"";
  if (ctx.os.shell.Start(topic, platform::ShowStyle::kShow) != platform::kSuccess)
    ctx.os.shell.Open(file, platform::ShowStyle::kShow);
}

std::string LogoPath(const Context& ctx) {
  return ctx.programFolder + "\\logo.jpg";
}

}  // namespace quellorn::ui
