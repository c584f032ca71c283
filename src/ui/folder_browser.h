#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace quellorn::ui {

// A drive list, a folder list and a file list over the file system, for the windows that let
// the user point at a folder or file. It starts at drive "c:" and its root folder.
class FolderBrowser {
 public:
  explicit FolderBrowser(platform::FileSystem& files) : files_(&files) {}

  void Reset();

  // The drives that are there ("c:", "d:", ...) and the chosen one.
  std::vector<std::string> Drives() const;
  const std::string& drive() const { return drive_; }
  // Choosing a drive opens its root folder.
  void OnDriveChange(std::string_view drive);

  // The open folder ("C:\" at a root, "C:\Program Files\Netscape" below it), the folders and
  // the files inside it, each by name.
  const std::string& folder() const { return path_; }
  std::vector<std::string> Subfolders() const;
  std::vector<std::string> Files() const;
  void OnOpenFolder(std::string_view subfolder);
  void OnOpenParent();

  // The folder list as shown: "..", to go up, above the subfolders below a drive's root.
  static constexpr std::string_view kParentRow = "..";
  std::vector<std::string> FolderRows() const;
  // A double click on a row of the folder list.
  void OnFolderRow(std::string_view row);

 private:
  std::vector<std::string> Entries(bool folders) const;

  platform::FileSystem* files_;
  std::string drive_ = "c:";
  std::string path_ = "C:\\";
};

}  // namespace quellorn::ui
