#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quellorn::ui {

// The Netscape folder chooser (frmFinddir, "Find Netscape Directory", a plain window shown modally
// from the Netscape folder window): a drive list and a folder tree to pick the Netscape 4.x program
// folder with. Its OK hands the chosen folder to the owner's text box; nothing is saved.
class NetscapeFolderChooser {
 public:
  static constexpr std::string_view kCaption = "Find Netscape Directory";

  // `target`: the owner's text box, which OK fills.
  NetscapeFolderChooser(platform::FileSystem& files, std::string& target)
      : files_(&files), target_(&target) {}

  // Starts at drive "c:" and its root folder.
  void Load();
  bool closed() const { return closed_; }

  // `Drive1`: the drives that are there ("c:", "d:", ...) and the chosen one.
  std::vector<std::string> Drives() const;
  const std::string& drive() const { return drive_; }
  // Choosing a drive points the folder tree at its root.
  void OnDriveChange(std::string_view drive);

  // `Dir1`: the open folder ("C:\" at a root, "C:\Program Files\Netscape" below it) and the
  // folders inside it, by name.
  const std::string& folder() const { return path_; }
  std::vector<std::string> Subfolders() const;
  void OnOpenFolder(std::string_view subfolder);
  void OnOpenParent();

  // OK: the open folder goes into the owner's text box, and the window closes.
  void OnOk();
  // Exit: closes without change.
  void OnExit() { closed_ = true; }

 private:
  platform::FileSystem* files_;
  std::string* target_;
  std::string drive_ = "c:";
  std::string path_ = "C:\\";
  bool closed_ = true;
};

}  // namespace quellorn::ui
