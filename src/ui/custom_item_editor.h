#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_file.h"
#include "core/run_view.h"
#include "plugins/plugin_file.h"
#include "ui/dialog_host.h"

namespace quellorn {

struct Context;

namespace ui {

// The file name the custom item list hands an editor for an item that is not saved yet.
inline constexpr std::string_view kNewCustomItem = "new000";

// Which editor builds a custom item: its file's "Type" is exactly "Reg" for registry items.
enum class CustomItemType { kFile, kRegistry };

// The "Add New Custom Item" chooser, shown before a new item's editor: one button per editor.
struct NewCustomItemChooser {
  static constexpr std::string_view kCaption = "Add New Custom Item";
  static constexpr std::string_view kFileButton = "Add File And Folder Item";
  static constexpr std::string_view kRegistryButton = "Add Registry Item";
};

// What the file and registry item editors share: the title and description, the test with its
// lines, and saving the item's file, under a name that always stays inside the custom item
// folder.
class CustomItemEditor : private EditorTestList {
 public:
  static constexpr std::string_view kMessageTitle = "Quellorn";
  static constexpr std::string_view kNoTitle = "Must have a title";
  static constexpr std::string_view kTitleNotAName =
      "The title names the item's file, so it cannot hold \\ / : * ? \" < > |, be a device "
      "name such as CON or NUL, or end in a dot.";

  CustomItemEditor(const CustomItemEditor&) = delete;
  CustomItemEditor& operator=(const CustomItemEditor&) = delete;

  std::string title;        // the "Title" box
  std::string description;  // the "Description" box

  bool isNew() const { return fileName_ == kNewCustomItem; }
  const std::vector<std::string>& testLines() const { return testLines_; }
  const std::string& result() const { return result_; }  // the test's result line
  bool closed() const { return closed_; }
  bool saved() const { return saved_; }
  void OnCancel() { closed_ = true; }

 protected:
  // `fileName`: the item's file in the custom item folder, or kNewCustomItem.
  CustomItemEditor(Context& ctx, DialogHost& host, std::string fileName);
  ~CustomItemEditor() override = default;

  // The stored item with its title and description taken over; nothing for a new item.
  std::optional<clsIniFile> LoadStored();
  // Writes the test file, runs it in editor-test mode and sets the result line, whose count is
  // followed by `unit`.
  void RunTest(const std::string& fileText, std::string_view unit);
  // Writes `text(how)` to the item's file after checking the title; closes once it is saved.
  void Save(const std::function<std::string(ItemWrite)>& text);
  void Tell(std::string_view text) {
    host_.ShowMessage(std::string(kMessageTitle), std::string(text));
  }

  Context& ctx_;
  DialogHost& host_;

 private:
  void AddLine(const std::string& line) override;
  // The file a save writes to, or nothing when the title does not allow a save.
  std::optional<std::string> SavePath();

  std::string fileName_;
  std::vector<std::string> testLines_;
  std::string result_;
  bool closed_ = false;
  bool saved_ = false;
};

}  // namespace ui
}  // namespace quellorn
