#include "ui/netscape_folder_chooser.h"

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

void NetscapeFolderChooser::Load() {
  drive_ = "c:";
  path_ = RootOf(drive_);
  closed_ = false;
}

std::vector<std::string> NetscapeFolderChooser::Drives() const {
  std::vector<std::string> drives;
  // From C: on: asking for a floppy drive without a disk can stop the program with a
  // system message on older Windows.
  for (char letter = 'c'; letter <= 'z'; ++letter) {
    const std::string drive{letter, ':'};
    if (files_->Exists(RootOf(drive))) drives.push_back(drive);
  }
  return drives;
}

void NetscapeFolderChooser::OnDriveChange(std::string_view drive) {
  if (!IsDrive(drive)) return;
  drive_ = ToLower(drive.substr(0, 2));
  path_ = RootOf(drive_);
}

std::vector<std::string> NetscapeFolderChooser::Subfolders() const {
  std::vector<std::string> names;
  auto listing = files_->List(path_);
  for (platform::DirEntry entry; listing && listing->Next(entry);) {
    if ((entry.attributes & platform::attr::kDirectory) != 0) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); });
  return names;
}

void NetscapeFolderChooser::OnOpenFolder(std::string_view subfolder) {
  const std::string path = (path_.ends_with('\\') ? path_ : path_ + "\\") + std::string(subfolder);
  const std::uint32_t attributes = files_->GetAttributes(path);
  if (attributes != platform::attr::kInvalid && (attributes & platform::attr::kDirectory) != 0) {
    path_ = path;
  }
}

void NetscapeFolderChooser::OnOpenParent() {
  const std::size_t slash = path_.find_last_of('\\', path_.size() - 2);
  if (path_.ends_with('\\') || slash == std::string::npos) return;
  path_ = slash == 2 ? path_.substr(0, 3) : path_.substr(0, slash);
}

void NetscapeFolderChooser::OnOk() {
  *target_ = path_;
  closed_ = true;
}

}  // namespace quellorn::ui
