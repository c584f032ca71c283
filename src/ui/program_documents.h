#pragma once

#include <string>

namespace quellorn {

struct Context;

namespace ui {

// Opens help.chm of the program folder.
void OpenHelp(Context& ctx);
// The program's logo, logo.jpg of the program folder.
std::string LogoPath(const Context& ctx);

}  // namespace ui
}  // namespace quellorn
