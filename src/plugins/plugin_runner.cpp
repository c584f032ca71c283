#include "plugins/plugin_runner.h"

#include <algorithm>
#include <string>

#include "core/context.h"
#include "core/ini_file.h"
#include "core/report.h"
#include "core/text_util.h"
#include "plugins/plugin_actions.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_folder.h"

namespace quellorn {

namespace {

using EntryStep = bool (*)(Context&, const clsIniFile&, std::string_view);

struct Family {
  std::string_view name;
  EntryStep step;
};

// The order in which an item's families run, whatever the order of its keys.
constexpr Family kFamilies[] = {
    {"DelRegValueList", DelRegValueListEntry}, {"DelRegValue", DelRegValueEntry},
    {"DelRegKeyList", DelRegKeyListEntry},     {"DelRegKey", DelRegKeyEntry},
    {"UpdateRegValue", UpdateRegValueEntry},   {"DelFile", DelFileEntry},
    {"UpdateFile", UpdateFileEntry},
};

// A family runs from entry 1 up to the first missing number, or to an entry that ends it.
void RunFamily(Context& ctx, const clsIniFile& item, const Family& family) {
  for (int n = 1;; ++n) {
    const auto value = ReadAction(item, family.name, n);
    if (!value || !family.step(ctx, item, *value)) return;
  }
}

void RunActions(Context& ctx, const clsIniFile& snapshot) {
  for (const Family& family : kFamilies)
    RunFamily(ctx, snapshot, family);
  StartItemProgram(ctx, snapshot);
}

void ShowProgress(Context& ctx, int position) {
  if (ctx.run.taskCount <= 0) return;
  const float percent =
      static_cast<float>(position) / static_cast<float>(ctx.run.taskCount) * 100.0f;
  // Items added to a folder since the task list was built would take the bar past its end.
  ctx.view().SetProgress(std::min(100, static_cast<int>(percent)));
}

void RunFolder(Context& ctx, std::string_view folder, int& position) {
  for (const std::string& name : ListItemFiles(ctx, folder)) {
    const auto item = ReadItemFile(ctx, folder, name);
    if (!item || SelectedValue(*item) != 0) continue;
    ++position;
    ctx.view().SetTaskState(position, "Erasing", "working");
    DispList(ctx, "Erasing " + ItemDisplayName(name) + " .....");
    RunActions(ctx, *item);
    ctx.os.registry.Flush();  // as after each built-in item
    ctx.view().SetTaskState(position, "Done", "done");
    ctx.view().ScrollTasksDown();
    ShowProgress(ctx, position);
  }
}

// Holds the editor test flag and list for one editor test, and puts them back after it.
class EditorTestScope {
 public:
  EditorTestScope(Context& ctx, EditorTestList& list)
      : ctx_(ctx), flag_(ctx.editorTest.active), list_(ctx.editorTest.list) {
    ctx.editorTest.active = true;
    ctx.editorTest.list = &list;
    ctx.editorTest.count = 0;
  }
  ~EditorTestScope() {
    ctx_.editorTest.active = flag_;
    ctx_.editorTest.list = list_;
  }
  EditorTestScope(const EditorTestScope&) = delete;
  EditorTestScope& operator=(const EditorTestScope&) = delete;

 private:
  Context& ctx_;
  bool flag_;
  EditorTestList* list_;
};

}  // namespace

ActionFields::ActionFields(std::string_view value) : fields_(SplitText(value, ",")) {}

const std::string& ActionFields::operator[](std::size_t index) const {
  static const std::string kNone;
  return index < fields_.size() ? fields_[index] : kNone;
}

void RunPluginFolders(Context& ctx, int& position) {
  RunFolder(ctx, kPluginsFolder, position);
  RunFolder(ctx, kCustomFolder, position);
}

void RunPluginItem(Context& ctx, const clsIniFile& item) {
  // The families look up every entry number, and each erased file the exclusions: one reading
  // of the file serves them all.
  RunActions(ctx, item.Snapshot());
}

std::int16_t RunEditorTest(Context& ctx, const clsIniFile& item, EditorTestList& list) {
  EditorTestScope scope(ctx, list);
  RunPluginItem(ctx, item);
  return ctx.editorTest.count;
}

}  // namespace quellorn
