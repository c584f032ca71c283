#pragma once

namespace quellorn {

struct Context;

// The erasers of the Opera track items, in the folder named by the "OperaDir" setting of
// section "Browser" (no window sets it; it is written into the settings file by hand).
void EraseOperaLocationBar(Context& ctx);
void EraseOperaCookies(Context& ctx);
void EraseOperaCache(Context& ctx);

}  // namespace quellorn
