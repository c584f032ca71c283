#include "run/startup.h"

#include "core/context.h"
#include "core/file_text.h"
#include "core/shipped_settings.h"
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
  // Read from nothing, every setting would be 0: stealth on, which hides the program without a
  // tray icon at the first minimize. A lost file starts again from the shipped one.
  if (!ctx.os.files.Exists(ctx.settingsFile.path()))
    WriteWholeFile(ctx.os.files, ctx.settingsFile.path(), ShippedSettings());
  ReadSettings(ctx.settingsFile, ctx.programFolder, ctx.settings);
  ctx.windowsVersion = GetWindowsVersion(ctx.os.system.Version());
}

}  // namespace quellorn
