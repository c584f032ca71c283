#pragma once

namespace quellorn {

struct Context;

// Rebuilds the task list: the selected built-in items in run order, then the selected plugin
// items and custom items; remembers the number of rows for the progress bar.
void Addtask(Context& ctx);

}  // namespace quellorn
