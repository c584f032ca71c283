#include "primitives/protected_places.h"

#include <algorithm>
#include <array>

#include "core/context.h"
#include "core/report.h"
#include "core/windows_info.h"
#include "platform/name_fold.h"
#include "primitives/reg_path.h"
#include "primitives/registry_eraser.h"
#include "primitives/shell_folders.h"

namespace quellorn {

namespace {

using Parts = std::vector<std::string>;

constexpr std::string_view kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr std::array<std::string_view, 2> kProgramFilesValues = {"ProgramFilesDir",
                                                                 "ProgramFilesDir (x86)"};
constexpr std::array<std::string_view, 4> kProfileFolders = {"Desktop", "Personal", "AppData",
                                                             "Local AppData"};
constexpr std::array<std::string_view, 2> kSystemFolders = {"System", "System32"};

// The components of a path as written, "." and ".." worked out and empty ones dropped; a UNC
// path keeps "\\server" as its first component.
Parts PartsOf(std::string_view path) {
  Parts parts;
  std::string unc = path.starts_with("\\\\") ? "\\\\" : "";
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(unc + std::string(part));
      unc.clear();
    }
    start = end + 1;
  }
  return parts;
}

// Whether `inner` is `outer` or lies below it.
bool Within(const Parts& inner, const Parts& outer) {
  return !outer.empty() && inner.size() >= outer.size() &&
         std::equal(outer.begin(), outer.end(), inner.begin(), platform::SameName);
}

// A drive root, a share of a server, or no path at all (the current drive's root).
bool IsRoot(const Parts& parts) {
  if (parts.empty()) return true;
  if (parts[0].starts_with("\\\\")) return parts.size() <= 2;
  return parts.size() == 1 && parts[0].size() == 2 && parts[0][1] == ':';
}

std::string Shown(const Parts& parts) {
  if (parts.empty()) return "\\";
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? "" : "\\") + part;
  return parts.size() == 1 && !text.starts_with("\\\\") ? text + "\\" : text;
}

void Report(Context& ctx, const std::string& line) {
  if (ctx.editorTest.active) {
    if (ctx.editorTest.list != nullptr) ctx.editorTest.list->AddLine(line);
    return;
  }
  ReportLine(ctx, line);
}

bool Refuse(Context& ctx, const Parts& parts, std::string_view rule) {
  Report(ctx, "Refused: " + Shown(parts) + " " + std::string(rule));
  return true;
}

}  // namespace

bool IsProtectedKey(platform::RegHandle root, std::string_view subKey) {
  return !GetRootName(root).empty() && PartsOf(subKey).size() <= 1;
}

bool RefuseKeyDeletion(Context& ctx, platform::RegHandle root, std::string_view subKey) {
  if (!IsProtectedKey(root, subKey)) return false;
  std::string shown = GetRootName(root);
  for (const std::string& part : PartsOf(subKey))
    shown += "\\" + part;
  Report(ctx, "Refused: " + shown + " is a protected registry key");
  return true;
}

bool RefuseProgramPlace(Context& ctx, std::string_view path) {
  const Parts parts = PartsOf(path);
  const Parts program = PartsOf(ctx.programFolder);
  if (Within(parts, program)) return Refuse(ctx, parts, "belongs to the program");
  if (Within(program, parts)) return Refuse(ctx, parts, "holds the program's folder");
  return false;
}

ProtectedFolders::ProtectedFolders(Context& ctx) : program_(PartsOf(ctx.programFolder)) {
  const auto add = [this](std::string_view path) {
    if (IsFullPath(path)) folders_.push_back(PartsOf(path));
  };
  const std::string windows = GetWindowsFolder(ctx.os.system);
  add(windows);
  for (std::string_view name : kSystemFolders)
    add(windows + std::string(name));
  for (std::string_view name : kProgramFilesValues)
    add(QueryValue(ctx, platform::kLocalMachine, kCurrentVersionKey, name));
  for (std::string_view name : kProfileFolders) {
    const std::string folder = ShellFolder(ctx, name);
    if (!HasText(folder) || !IsFullPath(folder)) continue;
    Parts above = PartsOf(folder);
    folders_.push_back(above);
    // The desktop and the documents lie in the profile, which lies in the folder of all profiles.
    if (name != "Desktop" && name != "Personal") continue;
    for (int level = 0; level < 2 && above.size() > 1; ++level) {
      above.pop_back();
      folders_.push_back(above);
    }
  }
}

bool ProtectedFolders::RefuseRemoval(Context& ctx, std::string_view path) const {
  const Parts parts = PartsOf(path);
  if (IsRoot(parts)) return Refuse(ctx, parts, "is a protected folder");
  if (RefuseProgramPlace(ctx, path)) return true;
  for (const Parts& folder : folders_) {
    if (Within(folder, parts)) {
      return Refuse(
          ctx, parts,
          folder.size() == parts.size() ? "is a protected folder" : "holds a protected folder");
    }
  }
  return false;
}

bool ProtectedFolders::RefuseInside(Context& ctx, std::string_view folder, bool wholly) const {
  const Parts parts = PartsOf(folder);
  if (Within(parts, program_)) return Refuse(ctx, parts, "belongs to the program");
  if (!wholly) return false;
  const bool isProtected =
      IsRoot(parts) || std::any_of(folders_.begin(), folders_.end(), [&parts](const Parts& f) {
        return f.size() == parts.size() && Within(parts, f);
      });
  return isProtected && Refuse(ctx, parts, "is a protected folder");
}

}  // namespace quellorn
