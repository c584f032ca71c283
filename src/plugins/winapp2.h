#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

// One entry of a winapp2.ini file: a program's traces as that community format describes
// them. Keys keep their file order.
struct Winapp2Entry {
  std::string name;
  std::vector<std::string> detectKeys;   // Detect, DetectN: registry keys
  std::vector<std::string> detectFiles;  // DetectFile, DetectFileN: paths, wildcards allowed
  std::string detectOs;                  // DetectOS: "min|max" Windows versions, either open
  std::vector<std::string> fileKeys;     // FileKeyN: path|pattern[;pattern...][|RECURSE|REMOVESELF]
  std::vector<std::string> regKeys;      // RegKeyN: key[|value]
  std::vector<std::string> excludeKeys;  // ExcludeKeyN: FILE|path|file, PATH|path|pattern, REG|...
  std::vector<std::string> unknownKeys;  // anything else that changes what the entry does
};

std::vector<Winapp2Entry> ParseWinapp2(std::string_view text);

// The entry as a plugin file (unselected), or why the plugin format cannot say what it means.
struct Winapp2Conversion {
  std::string plugin;
  std::string refusal;
};
Winapp2Conversion ConvertWinapp2Entry(const Winapp2Entry& entry);

// A winapp2 path with plugin macros for its variables, and a registry key with its root's full
// name; "" for one the plugins cannot name.
std::string ConvertWinapp2Path(std::string_view path);
std::string ConvertWinapp2Key(std::string_view key);

}  // namespace quellorn
