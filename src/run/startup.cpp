#include "run/startup.h"

#include "core/context.h"
#include "core/text_util.h"
#include "core/windows_info.h"
#include "primitives/registry_eraser.h"

namespace quellorn {

std::string StartArgument(std::string_view commandLine) {
  return Trim(commandLine) == "min" ? "min" : "";
}

void StartUp(Context& ctx, std::string_view commandLine) {
  ctx.startArgument = StartArgument(commandLine);
  const std::string homePage = QueryValue(
      ctx, platform::kCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page");
  ctx.homePage = homePage == kReadFailed ? "" : homePage;
  ReadSettings(ctx.settingsFile, ctx.programFolder, ctx.settings);
  ctx.windowsVersion = GetWindowsVersion(ctx.os.system.Version());
}

}  // namespace quellorn
