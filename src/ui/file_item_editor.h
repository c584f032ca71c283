#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/custom_item_editor.h"
#include "ui/folder_browser.h"

namespace quellorn::ui {

// The two lists of the file item editor: what the item erases, and what it spares.
enum class EntryList { kErase, kSpare };

// The custom file and folder item editor: the folders (with a wildcard) and files an item
// erases, and the files it spares, found with a folder browser. Shown modally over the track
// selection window, which lists the custom items again after a save.
class FileItemEditor : public CustomItemEditor {
 public:
  static constexpr std::string_view kCaption = "Custom File & Folder Items Editor";
  static constexpr std::string_view kNewCaption = "New Custom Item";  // from the chooser
  static constexpr std::string_view kTitle = "Custom File And Folder Item Editor";
  static constexpr std::string_view kNoFile = "Must Select a File";

  FileItemEditor(Context& ctx, DialogHost& host, std::string fileName);

  // Opens at drive "c:"; an existing item shows its title, description and both lists.
  void Load();

  FolderBrowser browser;
  std::string wildcard;            // "Wild Card when you add a folder"
  bool includeSubfolders = false;  // "Include SubFolder"

  const std::vector<std::string>& entries(EntryList list) const {
    return entries_[static_cast<std::size_t>(list)];
  }
  // "Add  File(s)" (also a double click in the file list): `file` is the file list's chosen
  // name, empty when none is chosen.
  void OnAddFile(EntryList list, std::string_view file);
  // "Add  Folder": the open folder with the wildcard, and ",Subfolder" to take its subfolders.
  void OnAddFolder(EntryList list);
  void OnRemove(EntryList list, int row);  // "Remove From List"

  // Lists what the item would erase, without erasing anything.
  void OnTest();
  void OnSave();

 private:
  // The open folder without the backslash of a drive root, so that adding "\" doubles none.
  std::string CurrentFolder() const;
  FileItem Item() const;
  std::vector<std::string>& list(EntryList which) {
    return entries_[static_cast<std::size_t>(which)];
  }

  std::array<std::vector<std::string>, 2> entries_;
};

}  // namespace quellorn::ui
