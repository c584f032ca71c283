// The file families of a plugin or custom item, and the program it starts.

#include "core/activity_log.h"
#include "core/context.h"
#include "core/ini_file.h"
#include "core/report.h"
#include "core/text_util.h"
#include "plugins/folder_pattern.h"
#include "plugins/path_macros.h"
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

// An action whose path names a macro that means nothing here is left unrun, and says so.
void ReportUnknownMacro(Context& ctx, std::string_view value, std::string_view macro) {
  const std::string line =
      "Skipped " + std::string(value) + ": " + std::string(macro) + " names no folder <Failed>";
  if (!ctx.editorTest.active) return ReportLine(ctx, line);
  if (ctx.editorTest.list != nullptr) ctx.editorTest.list->AddLine(line);
}

// The item's exclusions, macros replaced and folder wildcards resolved; nothing when one of them
// names an unknown macro: the item could not spare what it means to, so it erases nothing.
std::optional<std::vector<std::string>> ReadExclusions(Context& ctx, const clsIniFile& item) {
  std::vector<std::string> patterns;
  for (const std::string& value : ReadFamily(item, "ExFile")) {
    const ExpandedPath path = ExpandPathMacros(ctx, value.substr(0, value.find(',')));
    if (!path.unknown.empty()) {
      ReportUnknownMacro(ctx, value, path.unknown);
      return std::nullopt;
    }
    for (const std::string& folder : MatchingFolders(ctx, GetFolderPart(path.path)))
      patterns.push_back(folder + GetLastPart(path.path));
  }
  return patterns;
}

}  // namespace

bool DelFileEntry(Context& ctx, const clsIniFile& item, std::string_view value) {
  const ActionFields fields(ExpandUserName(ctx, value));
  const ExpandedPath path = ExpandPathMacros(ctx, fields[0]);
  if (!path.unknown.empty()) {
    ReportUnknownMacro(ctx, value, path.unknown);
    return true;
  }
  const auto exclusions = ReadExclusions(ctx, item);
  if (!exclusions) return true;
  for (const std::string& folder : MatchingFolders(ctx, GetFolderPart(path.path))) {
    // A folder that is not a full path would be looked for wherever the program happens to run.
    if (IsFullPath(folder))
      EraseMatchingFiles(ctx, folder, GetLastPart(path.path), fields[1] == "Subfolder",
                         *exclusions);
  }
  return true;
}

bool UpdateFileEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  const ExpandedPath expanded = ExpandPathMacros(ctx, fields[0]);
  if (!expanded.unknown.empty()) {
    ReportUnknownMacro(ctx, value, expanded.unknown);
    return true;
  }
  const std::string& path = expanded.path;
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
