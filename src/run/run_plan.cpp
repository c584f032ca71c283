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
    if (!ctx.settings.TrackSelected(item.track)) continue;
    plan.push_back({std::string(item.displayName), std::string(item.groupKey),
                    std::string(item.progressLine), index >= kFirstScrollingItem,
                    [&item](Context& c) {
                      for (Eraser eraser : item.erasers) {
                        if (eraser != nullptr) eraser(c);
                      }
                    }});
  }
}

void AddItemFiles(Context& ctx, std::string_view folder, std::string_view icon,
                  std::vector<PlanItem>& plan) {
  for (const std::string& name : ListItemFiles(ctx, folder)) {
    auto item = ReadItemFile(ctx, folder, name);
    if (!item || SelectedValue(*item) != 0) continue;
    const std::string shown = ItemDisplayName(name);
    plan.push_back({shown, std::string(icon), "Erasing " + shown + " .....", true,
                    [read = std::move(*item)](Context& c) { RunItemActions(c, read); }});
  }
}

}  // namespace

std::vector<PlanItem> BuildRunPlan(Context& ctx) {
  std::vector<PlanItem> plan;
  AddCatalogueItems(ctx, plan);
  AddItemFiles(ctx, kPluginsFolder, "app", plan);
  AddItemFiles(ctx, kCustomFolder, "Cust", plan);
  return plan;
}

int ProgressPercent(int done, int rows) {
  const float percent = static_cast<float>(done) / static_cast<float>(rows) * 100.0f;
  return std::min(100, static_cast<int>(percent));
}

}  // namespace quellorn
