#include "ui/folder_browser.h"

#include <algorithm>
#include <cctype>

#include "core/text_util.h"

namespace quellorn::ui {

namespace {

// The drive's root as a folder path: "c:" becomes "C:\".
std::string RootOf(std::string_view drive) {
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])))) +
         ":\\";
}

bool IsDrive(std::string_view drive) {
  return drive.size() >= 2 && std::isalpha(static_cast<unsigned char>(drive[0])) && drive[1] == ':';
}

}  // namespace

void FolderBrowser::Reset() {
  drive_ = "c:";
  path_ = RootOf(drive_);
}

std::vector<std::string> FolderBrowser::Drives() const {
  std::vector<std::string> drives;
  // From C: on: asking for a floppy drive without a disk can stop the program with a
  // system message on older Windows.
  for (char letter = 'c'; letter <= 'z'; ++letter) {
    const std::string drive{letter, ':'};
    if (files_->Exists(RootOf(drive))) drives.push_back(drive);
  }
  return drives;
}

void FolderBrowser::OnDriveChange(std::string_view drive) {
  if (!IsDrive(drive)) return;
  drive_ = ToLower(drive.substr(0, 2));
  path_ = RootOf(drive_);
}

std::vector<std::string> FolderBrowser::Entries(bool folders) const {
  std::vector<std::string> names;
  auto listing = files_->List(path_);
  for (platform::DirEntry entry; listing && listing->Next(entry);) {
    if (((entry.attributes & platform::attr::kDirectory) != 0) == folders)
      names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); });
  return names;
}

std::vector<std::string> FolderBrowser::Subfolders() const {
  return Entries(true);
}

std::vector<std::string> FolderBrowser::Files() const {
  return Entries(false);
}

void FolderBrowser::OnOpenFolder(std::string_view subfolder) {
  const std::string path = (path_.ends_with('\\') ? path_ : path_ + "\\") + std::string(subfolder);
  const std::uint32_t attributes = files_->GetAttributes(path);
  if (attributes != platform::attr::kInvalid && (attributes & platform::attr::kDirectory) != 0) {
    path_ = path;
  }
}

void FolderBrowser::OnOpenParent() {
  const std::size_t slash = path_.find_last_of('\\', path_.size() - 2);
  if (path_.ends_with('\\') || slash == std::string::npos) return;
  path_ = slash == 2 ? path_.substr(0, 3) : path_.substr(0, slash);
}

std::vector<std::string> FolderBrowser::FolderRows() const {
  std::vector<std::string> rows;
  if (!path_.ends_with('\\')) rows.emplace_back(kParentRow);
  for (std::string& name : Subfolders())
    rows.push_back(std::move(name));
  return rows;
}

void FolderBrowser::OnFolderRow(std::string_view row) {
  if (row == kParentRow) {
    OnOpenParent();
  } else if (!row.empty()) {
    OnOpenFolder(row);
  }
}

}  // namespace quellorn::ui
