#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quellorn {

struct Context;

// One row of a run: what the task list shows, the line the run shows before it, and how it is
// erased.
struct PlanItem {
  std::string id;  // "ie.cookies", "plugin:Chrome Cache", "custom:My Logs"
  bool selected = false;
  std::string row;
  std::string icon;  // the task list image: a catalogue group key, "app" or "Cust"
  std::string progressLine;
  // The task list keeps its first rows in view while a run begins: it scrolls after each item
  // from the catalogue's third on, and after every plugin and custom item.
  bool scrollsTasks = true;
  std::function<void(Context&)> erase;
};

// Every item in the order of every run, selected or not: the built-in items in catalogue order,
// then the plugins, then the custom items. Item files are read now, once; one that cannot be
// read is left out (it might be one the user turned off).
std::vector<PlanItem> AllRunItems(Context& ctx);

// The items of a run: the selected ones, or those the run names instead (ctx.run.only).
std::vector<PlanItem> BuildRunPlan(Context& ctx);

// The progress bar's value after `done` of `rows` rows: items added to a folder since the task
// list was built would take it past its end, so it stops at 100.
int ProgressPercent(int done, int rows);

}  // namespace quellorn
