#include "run/task_list.h"

#include "core/context.h"
#include "run/run_plan.h"

namespace quellorn {

void Addtask(Context& ctx) {
  ctx.view().ClearTasks();
  const std::vector<PlanItem> plan = BuildRunPlan(ctx);
  for (const PlanItem& item : plan)
    ctx.view().AddTask(item.row, item.icon);
  ctx.run.taskCount = static_cast<std::int16_t>(plan.size());
}

}  // namespace quellorn
