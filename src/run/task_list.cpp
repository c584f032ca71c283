#include "run/task_list.h"

#include "core/context.h"
#include "core/ini_file.h"
#include "plugins/plugin_folder.h"
#include "run/catalogue.h"

namespace quellorn {
namespace {

int AddItemRows(Context& ctx, std::string_view folder, const std::string& icon) {
  int rows = 0;
  for (const std::string& name : ListItemFiles(ctx, folder)) {
    const auto item = ReadItemFile(ctx, folder, name);
    if (!item || SelectedValue(*item) != 0) continue;
    ctx.view().AddTask(ItemDisplayName(name), icon);
    ++rows;
  }
  return rows;
}

}  // namespace

void Addtask(Context& ctx) {
  ctx.view().ClearTasks();
  int rows = 0;
  for (const CatalogueItem& item : Catalogue()) {
    if (!ctx.settings.selected(item.track)) continue;
    ctx.view().AddTask(std::string(item.displayName), std::string(item.groupKey));
    ++rows;
  }
  rows += AddItemRows(ctx, kPluginsFolder, "app");
  rows += AddItemRows(ctx, kCustomFolder, "Cust");
  ctx.run.taskCount = static_cast<std::int16_t>(rows);
}

}  // namespace quellorn
