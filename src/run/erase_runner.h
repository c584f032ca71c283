#pragma once

namespace quellorn {

struct Context;

// One erase run as the user or a trigger starts it: asks for confirmation unless the
// "Warning" setting or a trigger skips it, then erases (or, when the user chooses so, tests).
// A request while a run is under way is ignored.
void EraseNow(Context& ctx);
// One test run: the same walk in mode "test", which changes nothing but the log.
void TestNow(Context& ctx);
// Walks the selected built-in items in catalogue order, then the plugin and custom items.
void StartTask(Context& ctx);

}  // namespace quellorn
