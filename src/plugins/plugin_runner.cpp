#include "plugins/plugin_runner.h"

#include <string>

#include "core/context.h"
#include "core/ini_file.h"
#include "core/text_util.h"
#include "plugins/plugin_actions.h"
#include "plugins/plugin_file.h"

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

// Holds the editor test flag and list for one editor test, and puts them back after it.
class EditorTestScope {
 public:
  EditorTestScope(Context& ctx, EditorTestList& list) : ctx_(ctx), saved_(ctx.editorTest) {
    ctx.editorTest = {true, 0, &list};
  }
  ~EditorTestScope() {
    ctx_.editorTest.active = saved_.active;
    ctx_.editorTest.list = saved_.list;
  }
  EditorTestScope(const EditorTestScope&) = delete;
  EditorTestScope& operator=(const EditorTestScope&) = delete;

 private:
  Context& ctx_;
  EditorTestState saved_;
};

}  // namespace

ActionFields::ActionFields(std::string_view value) : fields_(SplitText(value, ",")) {}

const std::string& ActionFields::operator[](std::size_t index) const {
  static const std::string kNone;
  return index < fields_.size() ? fields_[index] : kNone;
}

void RunItemActions(Context& ctx, const clsIniFile& snapshot) {
  for (const Family& family : kFamilies)
    RunFamily(ctx, snapshot, family);
  StartItemProgram(ctx, snapshot);
}

void RunPluginItem(Context& ctx, const clsIniFile& item) {
  // The families look up every entry number, and each erased file the exclusions: one reading
  // of the file serves them all.
  RunItemActions(ctx, item.Snapshot());
}

std::int16_t RunEditorTest(Context& ctx, const clsIniFile& item, EditorTestList& list) {
  EditorTestScope scope(ctx, list);
  RunPluginItem(ctx, item);
  return ctx.editorTest.count;
}

}  // namespace quellorn
