#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quellorn {

// Window `frmFinddir` ("Find Netscape Directory", a plain window shown modally from the
// Netscape folder window): a drive list and a folder tree to pick the Netscape 4.x program
// folder with. Its OK hands the chosen folder to the owner's text box; nothing is saved.
class frmFinddir {
 public:
  static constexpr std::string_view kCaption = "Find Netscape Directory";

  // `target`: the owner's text box, which OK fills.
  frmFinddir(platform::FileSystem& files, std::string& target) : files_(&files), target_(&target) {}

  // Starts at drive "c:" and its root folder.
  void Load();
  bool visible() const { return visible_; }

  // `Drive1`: the drives that are there ("c:", "d:", ...) and the chosen one.
  std::vector<std::string> Drive1List() const;
  const std::string& Drive1() const { return drive_; }
  // Choosing a drive points the folder tree at its root.
  void Drive1Change(std::string_view drive);

  // `Dir1`: the open folder ("C:\" at a root, "C:\Program Files\Netscape" below it) and the
  // folders inside it, by name.
  const std::string& Dir1Path() const { return path_; }
  std::vector<std::string> Dir1Subfolders() const;
  void Dir1Open(std::string_view subfolder);
  void Dir1OpenParent();

  // OK: the open folder goes into the owner's text box, and the window closes.
  void Command1Click();
  // Exit: closes without change.
  void Command2Click() { visible_ = false; }

 private:
  platform::FileSystem* files_;
  std::string* target_;
  std::string drive_ = "c:";
  std::string path_ = "C:\\";
  bool visible_ = false;
};

}  // namespace quellorn
