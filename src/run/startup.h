#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

// "min" when the trimmed command line is exactly "min" (the Windows start-up entry);
// otherwise "".
std::string StartArgument(std::string_view commandLine);

// Start-up up to showing the main window: the start argument, the remembered home page,
// every setting, the Windows version. No step stops start-up and nothing is reported.
void StartUp(Context& ctx, std::string_view commandLine);

}  // namespace quellorn
