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

std::string ItemDisplayName(std::string_view fileName) {
  return std::string(fileName.substr(0, fileName.size() >= 3 ? fileName.size() - 3 : 0));
}

}  // namespace quellorn
