#include "plugins/plugin_file.h"

#include <algorithm>

#include "core/context.h"
#include "core/ini_file.h"
#include "core/text_util.h"
#include "core/windows_info.h"
#include "primitives/registry_eraser.h"

namespace quellorn {
namespace {

constexpr std::string_view kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class Lines {
 public:
  Lines& operator<<(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
    return *this;
  }
  Lines& Family(std::string_view name, const std::vector<std::string>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      *this << std::string(name) + std::to_string(i + 1) + "=" + entries[i];
    }
    return *this;
  }
  std::string text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace

PluginInfo ReadPluginInfo(const clsIniFile& item) {
  return {item.GetSetting("info", "Title"),    item.GetSetting("info", "Description"),
          item.GetSetting("info", "Provider"), item.GetSetting("info", "Type"),
          item.GetSetting("info", "Selected"), item.GetSetting("info", "Version")};
}

std::optional<std::string> ReadAction(const clsIniFile& item, std::string_view family, int n) {
  std::string value = item.GetSetting("info", std::string(family) + std::to_string(n));
  if (value == kUnknownValue) return std::nullopt;
  return value;
}

std::vector<std::string> ReadFamily(const clsIniFile& item, std::string_view family) {
  std::vector<std::string> entries;
  for (int n = 1;; ++n) {
    auto value = ReadAction(item, family, n);
    if (!value) return entries;
    entries.push_back(std::move(*value));
  }
}

std::string ExpandUserName(Context& ctx, std::string_view value) {
  return ReplaceText(value, "%username%", GetLoginName(ctx.os.system));
}

std::string ExpandFolderMacros(Context& ctx, std::string_view path) {
  // A macro stands for the start of the path: one further in is a plain name, not a place to
  // move the whole path to.
  if (path.starts_with("%appdata%")) {
    return QueryValue(ctx, platform::kCurrentUser, kShellFolders, "AppData") +
           std::string(path.substr(9));
  }
  // "%win%" and its backslash; the macro alone names the Windows folder.
  if (path.starts_with("%win%"))
    return GetWindowsFolder(ctx.os.system) +
           std::string(path.substr(std::min<std::size_t>(6, path.size())));
  return std::string(path);
}

std::string FileItemText(const FileItem& item, ItemWrite write) {
  Lines lines;
  lines << "[Info]"
        << "Title = " + item.title;
  switch (write) {
    case ItemWrite::kNew:
      lines << "Description = " + item.description << "Type=File"
            << "Provider =Custom Item "
            << "Selected = 1";
      break;
    case ItemWrite::kExisting:
      lines << "Description =" + item.description << "Provider =Custom Item "
            << "Type=File"
            << "Selected = 0";
      break;
    case ItemWrite::kTest:
      lines << "Description = \""
            << "Selected = 1";
      break;
  }
  lines << "Version = 3.0 "
        << "";
  return lines.Family("DelFile", item.files).Family("ExFile", item.exclusions).text();
}

std::string RegistryItemText(const RegistryItem& item, ItemWrite write) {
  Lines lines;
  lines << "[Info]"
        << "Title = " + item.title << "Description = " + item.description;
  if (write == ItemWrite::kTest) {
    lines << "Selected = 1";
  } else {
    lines << "Provider =Custom Item "
          << "Selected = " + (write == ItemWrite::kNew ? std::string("1") : item.selected)
          << "Type=Reg";
  }
  lines << "Version = 3.0 "
        << "";
  return lines.Family("DelRegKey", item.keys)
      .Family("DelRegKeyList", item.keyLists)
      .Family("DelRegValueList", item.valueLists)
      .Family("DelRegValue", item.values)
      .text();
}

}  // namespace quellorn
