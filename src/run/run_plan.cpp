#include "run/run_plan.h"

#include <algorithm>

#include "core/context.h"
#include "plugins/plugin_folder.h"
#include "plugins/plugin_runner.h"
#include "run/catalogue.h"

namespace quellorn {
namespace {

constexpr std::size_t kFirstScrollingItem = 2;

void AddCatalogueItems(Context& ctx, std::vector<PlanItem>& plan) {
  const auto catalogue = Catalogue();
  for (std::size_t index = 0; index < catalogue.size(); ++index) {
    const CatalogueItem& item = catalogue[index];
    plan.push_back({std::string(item.id), ctx.settings.TrackSelected(item.track),
                    std::string(item.displayName), std::string(item.groupKey),
                    std::string(item.progressLine), index >= kFirstScrollingItem,
                    [&item](Context& c) {
                      for (Eraser eraser : item.erasers) {
                        if (eraser != nullptr) eraser(c);
                      }
                    }});
  }
}

void AddItemFiles(Context& ctx, std::string_view folder, std::string_view icon,
                  std::string_view idPrefix, std::vector<PlanItem>& plan) {
  for (const std::string& name : ListItemFiles(ctx, folder)) {
    auto item = ReadItemFile(ctx, folder, name);
    if (!item) continue;
    const std::string shown = ItemDisplayName(name);
    const bool selected = SelectedValue(*item) == 0;
    plan.push_back({std::string(idPrefix) + shown, selected, shown, std::string(icon),
                    "Erasing " + shown + " .....", true,
                    [read = std::move(*item)](Context& c) { RunItemActions(c, read); }});
  }
}

}  // namespace

std::vector<PlanItem> AllRunItems(Context& ctx) {
  std::vector<PlanItem> items;
  AddCatalogueItems(ctx, items);
  AddItemFiles(ctx, kPluginsFolder, "app", "plugin:", items);
  AddItemFiles(ctx, kCustomFolder, "Cust", "custom:", items);
  return items;
}

std::vector<PlanItem> BuildRunPlan(Context& ctx) {
  std::vector<PlanItem> plan = AllRunItems(ctx);
  std::erase_if(plan, [&](const PlanItem& item) {
    return ctx.run.only ? !ctx.run.only->contains(item.id) : !item.selected;
  });
  return plan;
}

int ProgressPercent(int done, int rows) {
  const float percent = static_cast<float>(done) / static_cast<float>(rows) * 100.0f;
  return std::min(100, static_cast<int>(percent));
}

}  // namespace quellorn
