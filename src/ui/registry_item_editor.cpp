#include "ui/registry_item_editor.h"

#include "core/context.h"
#include "plugins/plugin_folder.h"

namespace quellorn::ui {

namespace {

// The order in which an opened item's families are listed.
constexpr std::string_view kLoadOrder[] = {"DelRegValueList", "DelRegValue", "DelRegKeyList",
                                           "DelRegKey"};

}  // namespace

RegistryItemEditor::RegistryItemEditor(Context& ctx, DialogHost& host, std::string fileName)
    : CustomItemEditor(ctx, host, std::move(fileName)) {}

void RegistryItemEditor::Load() {
  const auto item = LoadStored();
  if (!item) return;
  selected_ = std::to_string(SelectedValue(*item));
  for (const std::string_view family : kLoadOrder) {
    for (const std::string& value : ReadFamily(*item, family))
      rows_.push_back(std::string(family) + "=" + value);
  }
}

void RegistryItemEditor::OnAdd() {
  switch (erase_) {
    case RegistryErase::kKey:
      return rows_.push_back("DelRegKey=" + key);
    case RegistryErase::kValues:
      return rows_.push_back("DelRegValueList=" + key + ",all");
    case RegistryErase::kValue:
      return rows_.push_back("DelRegValue=" + key + "," + valueName);
    case RegistryErase::kNone:
      return rows_.push_back({});
  }
}

void RegistryItemEditor::OnRemove(int row) {
  if (row >= 0 && row < static_cast<int>(rows_.size())) rows_.erase(rows_.begin() + row);
}

void RegistryItemEditor::OnLaunchEditor() {
  if (ctx_.os.shell.Start(kEditorProgram, platform::ShowStyle::kNormal) != platform::kSuccess)
    Tell(kNoEditor);
}

RegistryItem RegistryItemEditor::Item() const {
  RegistryItem item{title, description, selected_, {}, {}, {}, {}};
  // "DelRegKey=" and "DelRegKeyList=" rows, like the two value kinds, differ by what stands
  // before the "=".
  const std::pair<std::string_view, std::vector<std::string>*> families[] = {
      {"DelRegKey=", &item.keys},
      {"DelRegKeyList=", &item.keyLists},
      {"DelRegValueList=", &item.valueLists},
      {"DelRegValue=", &item.values}};
  for (const std::string& row : rows_) {
    for (const auto& [prefix, entries] : families) {
      if (row.starts_with(prefix)) entries->push_back(row.substr(prefix.size()));
    }
  }
  return item;
}

void RegistryItemEditor::OnTest() {
  RunTest(RegistryItemText(Item(), ItemWrite::kTest), "Registry Entry(s) scanned");
}

void RegistryItemEditor::OnSave() {
  Save([this](ItemWrite write) { return RegistryItemText(Item(), write); });
}

}  // namespace quellorn::ui
