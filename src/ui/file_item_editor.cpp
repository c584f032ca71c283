#include "ui/file_item_editor.h"

#include "core/context.h"

namespace quellorn::ui {

FileItemEditor::FileItemEditor(Context& ctx, DialogHost& host, std::string fileName)
    : CustomItemEditor(ctx, host, std::move(fileName)), browser(ctx.os.files) {}

void FileItemEditor::Load() {
  browser.Reset();
  const auto item = LoadStored();
  if (!item) return;
  list(EntryList::kErase) = ReadFamily(*item, "DelFile");
  list(EntryList::kSpare) = ReadFamily(*item, "ExFile");
}

std::string FileItemEditor::CurrentFolder() const {
  const std::string& folder = browser.folder();
  return folder.size() < 4 ? folder.substr(0, 2) : folder;
}

void FileItemEditor::OnAddFile(EntryList which, std::string_view file) {
  if (file.empty()) return Tell(kNoFile);
  list(which).push_back(CurrentFolder() + "\\" + std::string(file));
}

void FileItemEditor::OnAddFolder(EntryList which) {
  list(which).push_back(CurrentFolder() + "\\" + wildcard +
                        (includeSubfolders ? ",Subfolder" : ""));
}

void FileItemEditor::OnRemove(EntryList which, int row) {
  std::vector<std::string>& rows = list(which);
  if (row >= 0 && row < static_cast<int>(rows.size())) rows.erase(rows.begin() + row);
}

FileItem FileItemEditor::Item() const {
  return {title, description, entries(EntryList::kErase), entries(EntryList::kSpare)};
}

void FileItemEditor::OnTest() {
  RunTest(FileItemText(Item(), ItemWrite::kTest), "file(s) scanned");
}

void FileItemEditor::OnSave() {
  Save([this](ItemWrite write) { return FileItemText(Item(), write); });
}

}  // namespace quellorn::ui
