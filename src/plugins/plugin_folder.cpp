#include "plugins/plugin_folder.h"

#include <algorithm>

#include "core/context.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/text_util.h"
#include "primitives/wildcard.h"

namespace quellorn {

std::string ItemFolderPath(const Context& ctx, std::string_view folder) {
  return ctx.programFolder + "\\" + std::string(folder) + "\\";
}

std::vector<std::string> ListItemFiles(Context& ctx, std::string_view folder) {
  std::vector<std::string> names;
  auto listing = ctx.os.files.List(ItemFolderPath(ctx, folder));
  if (!listing) return names;
  for (platform::DirEntry entry; listing->Next(entry);) {
    if (!entry.name.empty() && WildcardMatch(entry.name, "*.qk")) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string lowerA = ToLower(a);
    const std::string lowerB = ToLower(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
  });
  return names;
}

std::optional<clsIniFile> ReadItemFile(Context& ctx, std::string_view folder,
                                       std::string_view name) {
  const clsIniFile item(ctx.os.files, ItemFolderPath(ctx, folder) + std::string(name));
  // A folder so named holds no selection to misread: it is listed and runs nothing.
  const std::uint32_t attributes = ctx.os.files.GetAttributes(item.path());
  if (attributes != platform::attr::kInvalid && (attributes & platform::attr::kDirectory) != 0)
    return item.Snapshot();
  return item.ReadableSnapshot();
}

std::int16_t SelectedValue(const clsIniFile& item) {
  return LeadingNumber16(item.GetSetting("info", "selected"));
}

namespace {

bool IsDeviceName(std::string_view name) {
  std::string base = ToLower(Trim(name.substr(0, name.find('.'))));
  if (base == "con" || base == "prn" || base == "aux" || base == "nul" || base == "conin$" ||
      base == "conout$")
    return true;
  return base.size() == 4 && (base.starts_with("com") || base.starts_with("lpt")) &&
         base[3] >= '0' && base[3] <= '9';
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.ends_with('.') || name.ends_with(' '))
    return false;
  const bool oddCharacter = std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 ||
           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
  return !oddCharacter && !IsDeviceName(name);
}

std::string ItemDisplayName(std::string_view fileName) {
  return std::string(fileName.substr(0, fileName.size() >= 3 ? fileName.size() - 3 : 0));
}

}  // namespace quellorn
