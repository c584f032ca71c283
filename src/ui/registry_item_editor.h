#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/custom_item_editor.h"

namespace quellorn::ui {

// The three kinds of deletion the registry item editor adds (none chosen at first).
enum class RegistryErase { kNone, kKey, kValues, kValue };

// The custom registry item editor: keys, all values of keys, or single values an item
// deletes, each row as it stands in the file ("DelRegKey=" + key, ...). Shown modally over the
// track selection window; a key name copied to the clipboard while it is open lands in its key
// box.
class RegistryItemEditor : public CustomItemEditor {
 public:
  static constexpr std::string_view kCaption = "Custom Registry Item Editor";
  static constexpr std::string_view kEditorProgram = "regedit";
  static constexpr std::string_view kNoEditor =
      "The Registry Editor (regedit) could not be started on this system.";

  RegistryItemEditor(Context& ctx, DialogHost& host, std::string fileName);

  // An existing item shows its title, description and rows, family by family; its selection is
  // kept for the save.
  void Load();

  std::string key;        // "Registry Key"
  std::string valueName;  // "Value Name"

  RegistryErase erase() const { return erase_; }
  bool valueNameEnabled() const { return erase_ == RegistryErase::kValue; }
  void OnErase(RegistryErase erase) { erase_ = erase; }

  const std::vector<std::string>& rows() const { return rows_; }
  // "Add": a row for the key (and value name) by the chosen kind; an empty one, never saved,
  // when no kind is chosen.
  void OnAdd();
  void OnRemove(int row);
  // Text the user copied to the clipboard while the window is open.
  void OnClipboardText(std::string_view text) { key = text; }
  // "Launch Registry Editor", without waiting for it.
  void OnLaunchEditor();

  void OnTest();
  void OnSave();

 private:
  RegistryItem Item() const;

  RegistryErase erase_ = RegistryErase::kNone;
  std::vector<std::string> rows_;
  std::string selected_;  // the stored item's selection, written back by a save
};

}  // namespace quellorn::ui
