#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/custom_item_editor.h"
#include "ui/dialog_host.h"

namespace quellorn {

struct Context;

namespace ui {

// The plugins folder ("Applications" tab) or the custom item folder ("Custom items" tab).
enum class ItemListKind { kPlugins, kCustom };

// What the list needs of the window around it: its messages and questions, and the custom
// item editors, shown modally.
class ItemListHost : public DialogHost {
 public:
  // The editor of `type` for the item file `fileName`.
  virtual void EditItem(CustomItemType type, const std::string& fileName) = 0;
  // The chooser of the editor for a new item, then that editor.
  virtual void AddItem() = 0;
};

struct ListedItem {
  std::string text;  // the file name without ".qk"
  bool checked = false;
};

// One list of item files without its toolkit. Whether an item runs is written into its file
// at once (its "Selected" key); the list keeps no selection of its own.
class ItemList {
 public:
  static constexpr std::string_view kMessageTitle = "Quellorn";
  static constexpr std::string_view kMakerProgram = "pluginmaker.exe";

  ItemList(Context& ctx, ItemListKind kind, ItemListHost& host)
      : ctx_(ctx), kind_(kind), host_(host) {}

  ItemListKind kind() const { return kind_; }
  std::string_view heading() const;  // the label over the list
  std::string_view column() const;   // its one column
  int columnWidth() const;           // in twips, as the column was drawn
  std::string_view infoCaption() const;

  // Lists the folder's items, checked ones first, then sorts them by name.
  void Load();

  const std::vector<ListedItem>& items() const { return items_; }
  int selected() const { return selected_; }  // -1: none
  bool allBox() const { return allBox_; }
  bool noneBox() const { return noneBox_; }
  // Only custom items have editors.
  bool editEnabled() const { return kind_ == ItemListKind::kCustom; }
  bool addEnabled() const { return kind_ == ItemListKind::kCustom; }

  void OnSelect(int index);
  // The user set an item's box.
  void OnItemCheck(int index, bool checked);
  void OnSelectAll(bool checked);
  void OnSelectNone(bool checked);
  // Turns sorting by name on, or off with the checked items first again.
  void OnHeaderClick();
  void OnInfo();  // also a double click on an item
  void OnDelete();
  // Custom items only: the chosen item's editor, by its file's type.
  void OnEdit();
  void OnAdd();
  void OnRefresh() { Load(); }
  // Plugins only: copies the file at `path` into the plugins folder.
  void OnImport(std::string_view path);
  void OnPluginMaker();
  void OnDownload();

 private:
  std::string FilePath(const std::string& text) const;
  std::string_view Folder() const;
  void ListInTwoPasses();
  void WriteSelected(ListedItem& item, bool checked);
  void CopyImport(const std::string& from, const std::string& to, std::string_view success);

  Context& ctx_;
  ItemListKind kind_;
  ItemListHost& host_;
  std::vector<ListedItem> items_;
  int selected_ = -1;
  bool allBox_ = false;
  bool noneBox_ = false;
  bool sortToggle_ = false;
};

}  // namespace ui
}  // namespace quellorn
