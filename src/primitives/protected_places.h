#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace quellorn {

struct Context;

// Places no eraser deletes, whatever a plugin, custom item or imported definition names: the
// registry's roots and the keys right below them, the program's folder with everything in it,
// and folders whose loss as a whole would wreck Windows or the user's profile. The erasure
// primitives consult these rules, so built-in erasers and plugins alike keep to them. Each
// refusal is one progress and log line that names the rule.

// Whether the key is a root or lies right below one (HKEY_LOCAL_MACHINE\SOFTWARE).
bool IsProtectedKey(platform::RegHandle root, std::string_view subKey);
// Reports and answers true when the key is protected.
bool RefuseKeyDeletion(Context& ctx, platform::RegHandle root, std::string_view subKey);

// Reports and answers true when the path is the program's folder, lies in it or holds it: a
// cheap check, made for every file erased by name.
bool RefuseProgramPlace(Context& ctx, std::string_view path);

// The folders of this machine that stay whole: drive roots, the Windows folder and its system
// folders, Program Files, and the user's profile, its main folders and the folder holding it,
// besides the program's folder. Gathered once for a walk; the walk asks about each folder.
class ProtectedFolders {
 public:
  explicit ProtectedFolders(Context& ctx);

  // Reports and answers true when the path may not be removed whole: a protected folder, the
  // program's folder, anything in it, or a folder holding one of them.
  bool RefuseRemoval(Context& ctx, std::string_view path) const;
  // Reports and answers true when no file in the folder may be erased (it is the program's
  // folder or lies in it), or, when `wholly` (every file or every subfolder would go), when it
  // is a protected folder itself.
  bool RefuseInside(Context& ctx, std::string_view folder, bool wholly) const;

 private:
  using Parts = std::vector<std::string>;
  std::vector<Parts> folders_;
  Parts program_;
};

}  // namespace quellorn
