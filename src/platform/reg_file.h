#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace quellorn::platform {

// A .reg text: what the registry editor exports and imports. Two dialects are read:
// "Windows Registry Editor Version 5.00" (UTF-16LE with BOM as exported, or UTF-8 as written
// by hand) and "REGEDIT4" (8-bit Windows-1252). Only the first is written.

enum class RegFileFormat { kUnknown, kVersion5, kRegedit4 };

// A line that could not be used, and why. Lines count from 1.
struct RegFileIssue {
  int line = 0;
  std::string reason;

  friend bool operator==(const RegFileIssue&, const RegFileIssue&) = default;
};

struct RegFileValue {
  int line = 0;
  std::string name;     // UTF-8; empty for the key's default value ("@")
  bool remove = false;  // "name"=-
  RegValue value;       // as the registry stores it

  friend bool operator==(const RegFileValue&, const RegFileValue&) = default;
};

struct RegFileKey {
  int line = 0;
  RegHandle root = 0;
  std::string path;     // below the root: names joined by '\', empty for the root itself
  bool remove = false;  // [-key]: the key and everything below it
  std::vector<RegFileValue> values;

  friend bool operator==(const RegFileKey&, const RegFileKey&) = default;
};

struct RegFile {
  RegFileFormat format = RegFileFormat::kUnknown;  // kUnknown: not a .reg text at all
  std::vector<RegFileKey> keys;                    // in file order
  std::vector<RegFileIssue> errors;                // malformed lines, skipped
};

// Parses the raw bytes of a file. Malformed lines are reported and skipped; the rest loads.
RegFile ParseRegFile(std::string_view bytes);

// A "Windows Registry Editor Version 5.00" file (UTF-16LE with BOM, CR LF) of the keys,
// sorted as a tree (roots in a fixed order, names without regard to case; keys that compare
// equal keep their order), values in their given order.
std::string WriteRegFile(const RegFile& file);

// Applies the keys in order through `registry`: creates keys, sets and deletes values,
// removes deleted trees. Answers the lines the registry refused.
std::vector<RegFileIssue> ApplyRegFile(Registry& registry, const RegFile& file);

// "HKEY_CURRENT_USER" for kCurrentUser, and so on; empty for a handle that is no root name
// of the file format.
std::string_view RegRootName(RegHandle root);

}  // namespace quellorn::platform
