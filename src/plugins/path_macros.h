#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

// A path with its macros replaced, or the macro that names no folder here.
struct ExpandedPath {
  std::string path;
  std::string unknown;  // "%name%" when the path cannot be used; empty otherwise
};

// Replaces the folder macros of an item path. "%appdata%\" and "%win%\" at the start keep their
// old meaning (exact letter case); "%localappdata%", "%userprofile%", "%programfiles%",
// "%programfiles(x86)%", "%commonappdata%", "%temp%" and "%systemdrive%" stand anywhere, in any
// letter case, for the user's shell folders and the environment. Any other "%name%" makes the
// path unknown: it is never taken as a literal folder.
ExpandedPath ExpandPathMacros(Context& ctx, std::string_view path);

}  // namespace quellorn
