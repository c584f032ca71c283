#pragma once

namespace quellorn {

struct Context;

// The erasers of the AOL location bar and cache items, in the AOL program folder that the
// client registers. (The AOL cookies and history items run the Internet Explorer erasers.)
void EraseAOLLocationBar(Context& ctx);
void EraseAOLCache(Context& ctx);

}  // namespace quellorn
