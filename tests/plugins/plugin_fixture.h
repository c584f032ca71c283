#pragma once

#include <string>
#include <string_view>

#include "core/ini_file.h"
#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"

namespace quellorn::testing {

// Item files in the program's plugins and custom item folders, and a scratch registry key
// (HKEY_CURRENT_USER\Software\QuellornTest-Plugin) for their registry actions.
class PluginTest : public ProfileTest {
 protected:
  PluginTest() { ctx.run.mode = EraseMode::kErase; }
  static constexpr std::string_view kSubKey = "Software\\QuellornTest-Plugin";

  static std::string Key(std::string_view below = "") {
    std::string path = "HKEY_CURRENT_USER\\" + std::string(kSubKey);
    if (!below.empty()) path += "\\" + std::string(below);
    return path;
  }
  // Loads .reg lines into the scratch key (or a key below it).
  void LoadKey(std::string_view body, std::string_view below = "") {
    machine.LoadReg("Windows Registry Editor Version 5.00\r\n\r\n[" + Key(below) + "]\r\n" +
                    std::string(body));
  }
  std::string Value(std::string_view name, std::string_view below = "") {
    std::string subKey(kSubKey);
    if (!below.empty()) subKey += "\\" + std::string(below);
    return QueryValue(ctx, platform::kCurrentUser, subKey, name);
  }
  bool KeyExists(std::string_view below) {
    platform::RegKey key;
    return platform::RegKey::Open(os.registry, platform::kCurrentUser,
                                  std::string(kSubKey) + "\\" + std::string(below),
                                  key) == platform::kSuccess;
  }

  // Writes an item file ("[Info]" and the given lines) and binds an item to it.
  clsIniFile Item(std::string_view folder, std::string_view name, std::string_view lines) {
    const std::string path = ProgramFile(std::string(folder) + "\\" + std::string(name));
    machine.WriteFile(path, "[Info]\r\nTitle = " + std::string(name) + "\r\n" + std::string(lines));
    return clsIniFile(os.files, path);
  }
  clsIniFile Plugin(std::string_view lines) { return Item("plugins", "item.qk", lines); }
};

}  // namespace quellorn::testing
