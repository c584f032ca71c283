#include "plugins/winapp2_import.h"

#include <algorithm>

#include "core/context.h"
#include "core/file_text.h"
#include "core/ini_file.h"
#include "core/text_util.h"
#include "plugins/folder_pattern.h"
#include "plugins/path_macros.h"
#include "plugins/plugin_folder.h"
#include "primitives/reg_path.h"

namespace quellorn {

namespace {

constexpr std::string_view kProvider = "winapp2.ini";

bool KeyExists(Context& ctx, std::string_view winapp2Key) {
  const std::string key = ConvertWinapp2Key(winapp2Key);
  platform::RegKey opened;
  return !key.empty() && platform::RegKey::Open(ctx.os.registry, GetRootKey(key),
                                                GetSubkeyPath(key), opened) == platform::kSuccess;
}

// A DetectFile path names a file or a folder, wildcards allowed in every part.
bool PathExists(Context& ctx, std::string_view winapp2Path) {
  const std::string converted = ConvertWinapp2Path(winapp2Path);
  if (converted.empty()) return false;
  const ExpandedPath path = ExpandPathMacros(ctx, converted);
  if (!path.unknown.empty() || !IsFullPath(path.path)) return false;
  const auto found = MatchingFolders(ctx, path.path);
  return std::any_of(found.begin(), found.end(),
                     [&](const std::string& each) { return ctx.os.files.Exists(each); });
}

// The entry's file name: its name without the trailing " *" winapp2 marks its entries with,
// and with "_" for what a file name cannot hold.
std::string FileNameOf(std::string_view name) {
  std::string file(Trim(name.ends_with(" *") ? name.substr(0, name.size() - 2) : name));
  for (char& c : file) {
    if (static_cast<unsigned char>(c) < 32 ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      c = '_';
  }
  while (file.ends_with('.') || file.ends_with(' '))
    file.pop_back();
  return file + ".qk";
}

void Refuse(Winapp2Summary& summary, const std::string& entry, const std::string& reason) {
  ++summary.refused;
  ++summary.reasons[reason];
  summary.refusals.push_back(entry + ": " + reason);
}

// A Windows version as winapp2 writes it ("6.1", "10.0") in tenths: 61, 100; -1 for none.
int VersionTenths(std::string_view text) {
  const std::size_t dot = text.find('.');
  const std::string major(text.substr(0, dot));
  const std::string minor(dot == std::string_view::npos ? "0" : text.substr(dot + 1, 1));
  if (major.empty() || major.size() > 3 ||
      !std::all_of(major.begin(), major.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
      minor.empty() || minor[0] < '0' || minor[0] > '9')
    return -1;
  return std::stoi(major) * 10 + (minor[0] - '0');
}

// DetectOS "min|max": this Windows lies within the versions given. An empty side is open; one
// that is not a version matches nothing.
bool OsInRange(Context& ctx, std::string_view range) {
  const platform::WindowsVersion version = ctx.os.system.Version();
  const int here = static_cast<int>(version.major * 10 + std::min<std::uint32_t>(version.minor, 9));
  const std::size_t bar = range.find('|');
  const auto within = [&](std::string_view side, bool atLeast) {
    side = Trim(side);
    if (side.empty()) return true;
    const int bound = VersionTenths(side);
    return bound >= 0 && (atLeast ? here >= bound : here <= bound);
  };
  return within(range.substr(0, bar), true) &&
         (bar == std::string_view::npos || within(range.substr(bar + 1), false));
}

}  // namespace

bool Winapp2Detects(Context& ctx, const Winapp2Entry& entry) {
  if (!OsInRange(ctx, entry.detectOs)) return false;
  if (entry.detectKeys.empty() && entry.detectFiles.empty()) return true;
  return std::any_of(entry.detectKeys.begin(), entry.detectKeys.end(),
                     [&](const std::string& key) { return KeyExists(ctx, key); }) ||
         std::any_of(entry.detectFiles.begin(), entry.detectFiles.end(),
                     [&](const std::string& path) { return PathExists(ctx, path); });
}

Winapp2Summary ImportWinapp2(Context& ctx, std::string_view text, bool all) {
  Winapp2Summary summary;
  const std::string folder = ItemFolderPath(ctx, kPluginsFolder);
  ctx.os.files.CreateFolder(folder);
  for (const Winapp2Entry& entry : ParseWinapp2(text)) {
    if (!all && !Winapp2Detects(ctx, entry)) {
      ++summary.notInstalled;
      continue;
    }
    const Winapp2Conversion conversion = ConvertWinapp2Entry(entry);
    if (!conversion.refusal.empty()) {
      Refuse(summary, entry.name, conversion.refusal);
      continue;
    }
    const std::string file = FileNameOf(entry.name);
    if (!IsPlainFileName(file)) {
      Refuse(summary, entry.name, "a name Windows cannot give a file");
      continue;
    }
    const std::string path = folder + file;
    if (ctx.os.files.Exists(path) &&
        clsIniFile(ctx.os.files, path).GetSetting("info", "Provider") != kProvider) {
      Refuse(summary, entry.name, "a plugin of that name is already there");
      continue;
    }
    if (WriteWholeFile(ctx.os.files, path, conversion.plugin) != platform::kSuccess) {
      Refuse(summary, entry.name, "the plugin file could not be written");
      continue;
    }
    ++summary.converted;
  }
  return summary;
}

}  // namespace quellorn
