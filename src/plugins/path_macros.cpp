#include "plugins/path_macros.h"

#include "core/context.h"
#include "core/text_util.h"
#include "plugins/plugin_file.h"
#include "primitives/registry_eraser.h"

namespace quellorn {

namespace {

constexpr std::string_view kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr std::string_view kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

// Where a macro's folder is looked up, in order: a shell folder of the user or of the machine,
// a value of the Windows key, the environment.
struct MacroSource {
  std::string_view name;
  platform::RegHandle root;
  std::string_view shellFolder;   // "" for none
  std::string_view versionValue;  // "" for none
  std::string_view variable;      // "" for none
  std::string_view fallbackVariable;
};

constexpr MacroSource kMacros[] = {
    {"localappdata", platform::kCurrentUser, "Local AppData", "", "LOCALAPPDATA", ""},
    {"userprofile", platform::kCurrentUser, "", "", "USERPROFILE", ""},
    {"programfiles", platform::kLocalMachine, "", "ProgramFilesDir", "ProgramFiles", ""},
    {"programfiles(x86)", platform::kLocalMachine, "", "ProgramFilesDir (x86)", "ProgramFiles(x86)",
     ""},
    {"commonappdata", platform::kLocalMachine, "Common AppData", "", "ProgramData",
     "ALLUSERSPROFILE"},
    {"temp", platform::kCurrentUser, "", "", "TEMP", "TMP"},
    {"systemdrive", platform::kCurrentUser, "", "", "SystemDrive", ""},
};

// "%NAME%" references of a stored folder, replaced from the environment.
std::string ExpandVariables(Context& ctx, std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const std::size_t open = text.find('%');
    const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    const std::string value = ctx.os.system.Environment(text.substr(open + 1, close - open - 1));
    out += text.substr(0, open);
    out += value.empty() ? text.substr(open, close - open + 1) : std::string_view(value);
    text.remove_prefix(close + 1);
  }
  return out + std::string(text);
}

std::string WithoutTrailingBackslash(std::string folder) {
  while (folder.size() > 3 && folder.ends_with('\\'))
    folder.pop_back();
  return folder;
}

std::string ShellFolder(Context& ctx, const MacroSource& macro) {
  if (macro.shellFolder.empty()) return {};
  if (auto folder = QueryStringValue(ctx, macro.root, kShellFolders, macro.shellFolder))
    if (!folder->empty()) return *folder;
  const auto stored = QueryStringValue(ctx, macro.root, kUserShellFolders, macro.shellFolder);
  return stored ? ExpandVariables(ctx, *stored) : std::string();
}

std::string Resolve(Context& ctx, const MacroSource& macro) {
  std::string folder = ShellFolder(ctx, macro);
  if (folder.empty() && !macro.versionValue.empty())
    folder = QueryStringValue(ctx, platform::kLocalMachine, kCurrentVersion, macro.versionValue)
                 .value_or("");
  if (folder.empty() && !macro.variable.empty()) folder = ctx.os.system.Environment(macro.variable);
  if (folder.empty() && !macro.fallbackVariable.empty())
    folder = ctx.os.system.Environment(macro.fallbackVariable);
  // A folder that is still a variable reference names nothing here.
  if (folder.find('%') != std::string::npos) return {};
  return WithoutTrailingBackslash(std::move(folder));
}

const MacroSource* Find(std::string_view name) {
  for (const MacroSource& macro : kMacros)
    if (ToLower(name) == macro.name) return &macro;
  return nullptr;
}

}  // namespace

ExpandedPath ExpandPathMacros(Context& ctx, std::string_view path) {
  std::string text = ExpandFolderMacros(ctx, path);
  ExpandedPath expanded;
  for (std::size_t from = 0;;) {
    const std::size_t open = text.find('%', from);
    const std::size_t close = open == std::string::npos ? open : text.find('%', open + 1);
    if (close == std::string::npos) break;
    const std::string name = text.substr(open + 1, close - open - 1);
    const MacroSource* macro = Find(name);
    const std::string folder = macro != nullptr ? Resolve(ctx, *macro) : std::string();
    if (folder.empty()) return {"", "%" + name + "%"};
    text.replace(open, close - open + 1, folder);
    from = open + folder.size();
  }
  expanded.path = std::move(text);
  return expanded;
}

}  // namespace quellorn
