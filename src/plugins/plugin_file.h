#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

struct Context;
class clsIniFile;

// A plugin or custom item file ("*.qk"): one [Info] section with descriptive keys and
// numbered action families (DelFile1, DelFile2, ...), each value's fields separated by ",".

// The descriptive keys as the item lists show them (kUnknownValue where missing).
struct PluginInfo {
  std::string title;
  std::string description;
  std::string provider;
  std::string type;
  std::string selected;
  std::string version;
};
PluginInfo ReadPluginInfo(const clsIniFile& item);

// Entry n (from 1) of an action family; nothing when the key is missing, which ends the family.
std::optional<std::string> ReadAction(const clsIniFile& item, std::string_view family, int n);
// Every entry of a family up to the first missing number.
std::vector<std::string> ReadFamily(const clsIniFile& item, std::string_view family);

// "%username%" (in this letter case only, anywhere) becomes the logged-on user's name.
std::string ExpandUserName(Context& ctx, std::string_view value);
// "%appdata%\" and "%win%\" at the start of a path become the user's application data folder
// and the Windows folder.
std::string ExpandFolderMacros(Context& ctx, std::string_view path);

// The editors write whole files, in exactly these line sets.
enum class ItemWrite { kNew, kExisting, kTest };

struct FileItem {
  std::string title;
  std::string description;
  std::vector<std::string> files;       // DelFile entries
  std::vector<std::string> exclusions;  // ExFile entries
};
std::string FileItemText(const FileItem& item, ItemWrite write);

struct RegistryItem {
  std::string title;
  std::string description;
  std::string selected;                 // as read when an existing item was opened
  std::vector<std::string> keys;        // DelRegKey
  std::vector<std::string> keyLists;    // DelRegKeyList
  std::vector<std::string> valueLists;  // DelRegValueList
  std::vector<std::string> values;      // DelRegValue
};
std::string RegistryItemText(const RegistryItem& item, ItemWrite write);

}  // namespace quellorn
