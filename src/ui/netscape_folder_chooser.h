#pragma once

#include <string>
#include <string_view>

#include "ui/folder_browser.h"

namespace quellorn::ui {

// The Netscape folder chooser (frmFinddir, "Find Netscape Directory", a plain window shown modally
// from the Netscape folder window): a drive list and a folder tree to pick the Netscape 4.x program
// folder with. Its OK hands the chosen folder to the owner's text box; nothing is saved.
class NetscapeFolderChooser : public FolderBrowser {
 public:
  static constexpr std::string_view kCaption = "Find Netscape Directory";

  // `target`: the owner's text box, which OK fills.
  NetscapeFolderChooser(platform::FileSystem& files, std::string& target)
      : FolderBrowser(files), target_(&target) {}

  // Starts at drive "c:" and its root folder.
  void Load();
  bool closed() const { return closed_; }

  // OK: the open folder goes into the owner's text box, and the window closes.
  void OnOk();
  // Exit: closes without change.
  void OnExit() { closed_ = true; }

 private:
  std::string* target_;
  bool closed_ = true;
};

}  // namespace quellorn::ui
