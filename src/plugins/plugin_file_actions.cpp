// The file families of a plugin or custom item, and the program it starts.

#include "core/activity_log.h"
#include "core/context.h"
#include "core/ini_file.h"
#include "core/report.h"
#include "core/text_util.h"
#include "plugins/plugin_actions.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_folder.h"
#include "primitives/file_eraser.h"
#include "primitives/file_rewrite.h"
#include "primitives/reg_path.h"

namespace quellorn {

namespace attr = platform::attr;

namespace {

bool IsOrdinaryFile(Context& ctx, std::string_view path) {
  constexpr std::uint32_t kNotOrdinary = attr::kDirectory | attr::kHidden | attr::kSystem;
  const std::uint32_t attributes = ctx.os.files.GetAttributes(path);
  return attributes != attr::kInvalid && (attributes & kNotOrdinary) == 0;
}

// An empty text counts as found in every line that is not empty.
bool Mentions(std::string_view line, std::string_view text) {
  return !line.empty() && ContainsIgnoreCase(line, text);
}

bool RemoveLines(Context& ctx, const std::string& path, std::string_view text) {
  const auto lines = ReadLines(ctx.os.files, path);
  if (!lines) return false;
  std::string content;
  for (const std::string& line : *lines) {
    if (!Mentions(line, text)) content += line + "\r\n";
  }
  return ReplaceContent(ctx.os.files, path, path + ".old", content);
}

}  // namespace

bool DelFileEntry(Context& ctx, const clsIniFile& item, std::string_view value) {
  const ActionFields fields(ExpandUserName(ctx, value));
  const std::string path = ExpandFolderMacros(ctx, fields[0]);
  const std::string folder = GetFolderPart(path);
  // A folder that is not a full path would be looked for wherever the program happens to run.
  if (IsFullPath(folder)) {
    EraseMatchingFiles(ctx, folder, GetLastPart(path), fields[1] == "Subfolder", &item);
  }
  return true;
}

bool UpdateFileEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  const std::string path = ExpandFolderMacros(ctx, fields[0]);
  if (!IsFullPath(path) || !IsOrdinaryFile(ctx, path)) return false;
  // A file that cannot be read or replaced keeps its content and gets no line.
  if (ctx.erasing() && !ctx.editorTest.active && !RemoveLines(ctx, path, fields[1])) return true;
  if (ctx.editorTest.active) return true;
  const std::string line = "Updated file: " + path + " <OK>";
  WriteLog(ctx, line);
  DispList(ctx, line);
  ctx.view().Yield();
  return true;
}

void StartItemProgram(Context& ctx, const clsIniFile& item) {
  if (!ctx.erasing() || ctx.editorTest.active) return;
  const std::string name = item.GetSetting("info", "Run");
  // Plugin files come from the web: the program must lie in the plugins folder itself.
  if (name == kUnknownValue || !IsPlainFileName(name)) return;
  const std::string program = ItemFolderPath(ctx, kPluginsFolder) + name;
  const std::uint32_t attributes = ctx.os.files.GetAttributes(program);
  if (attributes == attr::kInvalid || (attributes & attr::kDirectory) != 0) return;
  ctx.os.shell.Start("\"" + program + "\"", platform::ShowStyle::kHidden);
}

}  // namespace quellorn
