#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

struct Context;
class clsIniFile;

// One entry of an action family: the value split at commas (always with one empty field
// after the last), read by position from 0.
class ActionFields {
 public:
  explicit ActionFields(std::string_view value);
  const std::string& operator[](std::size_t index) const;

 private:
  std::vector<std::string> fields_;
};

// The families' steps. Each runs one entry and answers false when the entry ends its family.
bool DelRegValueListEntry(Context& ctx, const clsIniFile& item, std::string_view value);
bool DelRegValueEntry(Context& ctx, const clsIniFile& item, std::string_view value);
bool DelRegKeyListEntry(Context& ctx, const clsIniFile& item, std::string_view value);
bool DelRegKeyEntry(Context& ctx, const clsIniFile& item, std::string_view value);
bool UpdateRegValueEntry(Context& ctx, const clsIniFile& item, std::string_view value);
bool DelFileEntry(Context& ctx, const clsIniFile& item, std::string_view value);
bool UpdateFileEntry(Context& ctx, const clsIniFile& item, std::string_view value);

// Starts the item's Run program, hidden, when the run erases.
void StartItemProgram(Context& ctx, const clsIniFile& item);

}  // namespace quellorn
