#include "ui/custom_item_editor.h"

#include "core/context.h"
#include "core/file_text.h"
#include "core/text_util.h"
#include "plugins/plugin_folder.h"
#include "plugins/plugin_runner.h"

namespace quellorn::ui {

CustomItemEditor::CustomItemEditor(Context& ctx, DialogHost& host, std::string fileName)
    : ctx_(ctx), host_(host), fileName_(std::move(fileName)) {}

std::optional<clsIniFile> CustomItemEditor::LoadStored() {
  if (isNew()) return std::nullopt;
  const clsIniFile file(ctx_.os.files, ItemFolderPath(ctx_, kCustomFolder) + fileName_);
  clsIniFile item = file.Snapshot();
  description = item.GetSetting("info", "Description");
  title = item.GetSetting("info", "title");
  return item;
}

void CustomItemEditor::AddLine(const std::string& line) {
  testLines_.push_back("Test: " + line);
}

void CustomItemEditor::RunTest(const std::string& fileText, std::string_view unit) {
  const std::string path = ctx_.programFolder + "\\temp.qk";
  // An old test file left in place would be tested instead of what the window shows.
  if (WriteWholeFile(ctx_.os.files, path, fileText) != platform::kSuccess)
    return Tell("Could not write the test file " + path);
  testLines_.clear();
  AddLine("Start test...");
  const std::int16_t count = RunEditorTest(ctx_, clsIniFile(ctx_.os.files, path), *this);
  result_ = "Test OK, " + std::to_string(count) + " " + std::string(unit);
}

std::optional<std::string> CustomItemEditor::SavePath() {
  const std::string folder = ItemFolderPath(ctx_, kCustomFolder);
  if (!isNew()) return folder + fileName_;
  const std::string name(Trim(title));
  if (!IsPlainFileName(name)) {
    Tell(kTitleNotAName);
    return std::nullopt;
  }
  const std::string path = folder + name + ".qk";
  if (ctx_.os.files.Exists(path) &&
      !host_.Ask(std::string(kMessageTitle),
                 "A custom item named \"" + name + "\" exists.\r\n\r\nReplace it?"))
    return std::nullopt;
  return path;
}

void CustomItemEditor::Save(const std::function<std::string(ItemWrite)>& text) {
  if (Trim(title).empty()) return Tell(kNoTitle);
  const auto path = SavePath();
  if (!path) return;
  ctx_.os.files.CreateFolder(ItemFolderPath(ctx_, kCustomFolder));
  if (WriteWholeFile(ctx_.os.files, *path,
                     text(isNew() ? ItemWrite::kNew : ItemWrite::kExisting)) != platform::kSuccess)
    return Tell("Could not save " + *path);
  saved_ = true;
  closed_ = true;
}

}  // namespace quellorn::ui
