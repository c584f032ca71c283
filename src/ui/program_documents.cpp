#include "ui/program_documents.h"

#include "core/context.h"

namespace quellorn::ui {

void OpenHelp(Context& ctx) {
  ctx.os.shell.Open(ctx.programFolder + "\\help.chm", platform::ShowStyle::kShow);
}

std::string LogoPath(const Context& ctx) {
  return ctx.programFolder + "\\logo.jpg";
}

}  // namespace quellorn::ui
