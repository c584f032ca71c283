#include "ui/item_list.h"

#include <algorithm>

#include "core/context.h"
#include "core/ini_file.h"
#include "core/text_util.h"
#include "plugins/plugin_folder.h"
#include "ui/maker_site.h"

namespace quellorn::ui {

namespace {

constexpr std::string_view kImportTitle = "Import Plugin file";

// Why a copy failed, in the user's words.
std::string CopyFailure(platform::Status status) {
  switch (status) {
    case platform::kFileNotFound:
    case platform::kPathNotFound:
      return "The file or the plugins folder was not found.";
    case platform::kAccessDenied:
      return "Access is denied.";
    case platform::kSharingViolation:
      return "The file is in use.";
    case platform::kDiskFull:
      return "The disk is full.";
    default:
      return "Error " + std::to_string(status) + ".";
  }
}

std::string AfterLastBackslash(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::string_view ItemList::heading() const {
  return kind_ == ItemListKind::kPlugins ? "Applications Plug-ins" : "Custom Items";
}

std::string_view ItemList::column() const {
  return kind_ == ItemListKind::kPlugins ? "Application Plugins" : "Custom Items";
}

int ItemList::columnWidth() const {
  return kind_ == ItemListKind::kPlugins ? 3800 : 4100;
}

std::string_view ItemList::infoCaption() const {
  return kind_ == ItemListKind::kPlugins ? "Plug-in Info" : "Info";
}

std::string_view ItemList::Folder() const {
  return kind_ == ItemListKind::kPlugins ? kPluginsFolder : kCustomFolder;
}

std::string ItemList::FilePath(const std::string& text) const {
  return ItemFolderPath(ctx_, Folder()) + text + ".qk";
}

void ItemList::ListInTwoPasses() {
  items_.clear();
  selected_ = -1;
  std::vector<ListedItem> unchecked;
  for (const std::string& name : ListItemFiles(ctx_, Folder())) {
    // A file that cannot be read shows checked, as one without the key does.
    const auto file = ReadItemFile(ctx_, Folder(), name);
    const bool checked = !file || SelectedValue(*file) == 0;
    (checked ? items_ : unchecked).push_back({ItemDisplayName(name), checked});
  }
  items_.insert(items_.end(), unchecked.begin(), unchecked.end());
}

void ItemList::Load() {
  ListInTwoPasses();
  std::stable_sort(items_.begin(), items_.end(), [](const ListedItem& a, const ListedItem& b) {
    return ToLower(a.text) < ToLower(b.text);
  });
}

void ItemList::OnSelect(int index) {
  selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

void ItemList::WriteSelected(ListedItem& item, bool checked) {
  item.checked = checked;
  clsIniFile(ctx_.os.files, FilePath(item.text))
      .SaveSetting("info", "Selected", checked ? "0" : "1");
}

void ItemList::OnItemCheck(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  WriteSelected(items_[static_cast<std::size_t>(index)], checked);
  (checked ? noneBox_ : allBox_) = false;
  selected_ = index;
}

void ItemList::OnSelectAll(bool checked) {
  allBox_ = checked;
  if (!checked) return;
  noneBox_ = false;
  for (ListedItem& item : items_)
    if (!item.checked) WriteSelected(item, true);
}

void ItemList::OnSelectNone(bool checked) {
  noneBox_ = checked;
  if (!checked) return;
  allBox_ = false;
  for (ListedItem& item : items_)
    if (item.checked) WriteSelected(item, false);
}

void ItemList::OnHeaderClick() {
  sortToggle_ = !sortToggle_;
  if (sortToggle_) {
    Load();
  } else {
    ListInTwoPasses();
  }
}

void ItemList::OnInfo() {
  if (selected_ < 0) return;
  const clsIniFile file(ctx_.os.files, FilePath(items_[static_cast<std::size_t>(selected_)].text));
  const clsIniFile item = file.Snapshot();
  std::string text = item.GetSetting("info", "Description");
  if (kind_ == ItemListKind::kPlugins) text += "\r\n( Provided By: Orvalen)";
  host_.ShowMessage(item.GetSetting("info", "Title"), text);
}

void ItemList::OnDelete() {
  if (selected_ < 0) return;
  const std::string& text = items_[static_cast<std::size_t>(selected_)].text;
  const std::string question = (kind_ == ItemListKind::kPlugins ? "Will Delete the Plugin "
                                                                : "Will Delete the Custom Item ") +
                               text + "  ?";
  if (!host_.Ask("Delete Plugin", question)) return;
  if (ctx_.os.files.Delete(FilePath(text)) != platform::kSuccess &&
      ctx_.os.files.Exists(FilePath(text))) {
    host_.ShowMessage(std::string(kMessageTitle), "Could not delete " + text + ".qk");
    return;
  }
  items_.erase(items_.begin() + selected_);
  selected_ = -1;
}

void ItemList::OnEdit() {
  if (kind_ != ItemListKind::kCustom || selected_ < 0) return;
  const std::string& text = items_[static_cast<std::size_t>(selected_)].text;
  const std::string type = clsIniFile(ctx_.os.files, FilePath(text)).GetSetting("info", "Type");
  host_.EditItem(type == "Reg" ? CustomItemType::kRegistry : CustomItemType::kFile, text + ".qk");
}

void ItemList::OnAdd() {
  if (kind_ == ItemListKind::kCustom) host_.AddItem();
}

void ItemList::CopyImport(const std::string& from, const std::string& to,
                          std::string_view success) {
  const platform::Status status = ctx_.os.files.Copy(from, to);
  if (status != platform::kSuccess) {
    host_.ShowMessage(std::string(kImportTitle),
                      "Plugin File Import Failed\r\n\r\n" + CopyFailure(status));
    return;
  }
  host_.ShowMessage(std::string(kImportTitle), std::string(success));
  Load();
}

void ItemList::OnImport(std::string_view path) {
  const std::string from(Trim(path));
  const std::string name = AfterLastBackslash(from);
  if (!IsPlainFileName(name)) {
    host_.ShowMessage(std::string(kMessageTitle),
                      "Invalid Plugin File Name\r\n\r\n\"" + name +
                          "\" is not the name of a file that can go into the plugins folder.");
    return;
  }
  if (clsIniFile(ctx_.os.files, from).GetSetting("info", "Title") == kUnknownValue) {
    host_.ShowMessage(std::string(kMessageTitle), "Invalid Plugin File");
    return;
  }
  const std::string to = ItemFolderPath(ctx_, kPluginsFolder) + name;
  if (!ctx_.os.files.Exists(to)) {
    CopyImport(from, to, "Plugin File Import Successfully");
    return;
  }
  if (host_.Ask(std::string(kImportTitle), "Overwrite Old Plugin File ?\r\n\r\n" + name)) {
    CopyImport(from, to, "Plugin File Imported Successfully");
    return;
  }
  Load();
}

void ItemList::OnPluginMaker() {
  const std::string program = ctx_.programFolder + "\\" + std::string(kMakerProgram);
  if (!ctx_.os.files.Exists(program)) {
    host_.ShowMessage(std::string(kMessageTitle), "The Plugin Maker is not installed.");
    return;
  }
  ctx_.os.shell.Start("\"" + program + "\"", platform::ShowStyle::kNormal);
}

void ItemList::OnDownload() {
  ctx_.os.shell.Open(kMakerPluginsPage, platform::ShowStyle::kHidden);
}

}  // namespace quellorn::ui
