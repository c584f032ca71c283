#include "plugins/winapp2.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "core/text_util.h"

namespace quellorn {

namespace {

// winapp2's variables and the plugin macros that name the same folders; "%appdata%" and "%win%"
// must open the path.
struct Variable {
  std::string_view name;
  std::string_view macro;
  bool leading;
};
constexpr Variable kVariables[] = {
    {"localappdata", "%localappdata%", false},
    {"appdata", "%appdata%", true},
    {"programfiles", "%programfiles%", false},
    {"programdata", "%commonappdata%", false},
    {"commonappdata", "%commonappdata%", false},
    {"userprofile", "%userprofile%", false},
    {"windir", "%win%", true},
    {"systemroot", "%win%", true},
    {"systemdrive", "%systemdrive%", false},
    {"temp", "%temp%", false},
    {"tmp", "%temp%", false},
};

constexpr std::pair<std::string_view, std::string_view> kRoots[] = {
    {"HKCU", "HKEY_CURRENT_USER"},
    {"HKLM", "HKEY_LOCAL_MACHINE"},
    {"HKCR", "HKEY_CLASSES_ROOT"},
    {"HKU", "HKEY_USERS"},
};

constexpr std::size_t kLongestValue = 254;

// The key's name without its number, in lower case: "FileKey12" is "filekey".
std::string Family(std::string_view key) {
  std::string name = ToLower(Trim(key));
  while (!name.empty() && std::isdigit(static_cast<unsigned char>(name.back())))
    name.pop_back();
  return name;
}

void AddKey(Winapp2Entry& entry, std::string_view key, std::string_view value) {
  const std::string family = Family(key);
  std::vector<std::string>* list = family == "detect"       ? &entry.detectKeys
                                   : family == "detectfile" ? &entry.detectFiles
                                   : family == "filekey"    ? &entry.fileKeys
                                   : family == "regkey"     ? &entry.regKeys
                                   : family == "excludekey" ? &entry.excludeKeys
                                                            : nullptr;
  if (list != nullptr) {
    list->emplace_back(Trim(value));
    return;
  }
  if (family == "detectos") {
    entry.detectOs = Trim(value);
    return;
  }
  // How the entry is shown, not what it does.
  if (family != "langsecref" && family != "section" && family != "warning" && family != "default")
    entry.unknownKeys.emplace_back(Trim(key));
}

// Collects why a conversion cannot be made; the first reason is the one reported.
class Converter {
 public:
  std::string refusal;

  bool Refuse(std::string reason) {
    if (refusal.empty()) refusal = std::move(reason);
    return false;
  }

  // A winapp2 path with its variables as plugin macros; "" when it has none the plugins know.
  std::string Path(std::string_view path) {
    std::string out;
    for (std::size_t at = 0;;) {
      const std::size_t open = path.find('%', at);
      const std::size_t close = open == std::string_view::npos ? open : path.find('%', open + 1);
      if (close == std::string_view::npos) {
        out += path.substr(at);
        break;
      }
      out += path.substr(at, open - at);
      const std::string name = ToLower(path.substr(open + 1, close - open - 1));
      const auto variable = std::find_if(std::begin(kVariables), std::end(kVariables),
                                         [&](const Variable& v) { return v.name == name; });
      if (variable == std::end(kVariables)) {
        Refuse("the variable %" + std::string(path.substr(open + 1, close - open - 1)) +
               "% names no folder the plugins know");
        return {};
      }
      if (variable->leading && open != 0) {
        Refuse("%" + name + "% stands inside a path");
        return {};
      }
      out += variable->macro;
      at = close + 1;
    }
    if (out.find(',') != std::string::npos) {
      Refuse("a comma in a path");
      return {};
    }
    return out;
  }

  std::string Key(std::string_view key) {
    const std::string_view root = key.substr(0, key.find('\\'));
    for (const auto& [shortName, longName] : kRoots) {
      if (root == shortName) return std::string(longName) + std::string(key.substr(root.size()));
    }
    Refuse("the registry root " + std::string(root));
    return {};
  }

  std::string Folder(std::string_view path) {
    std::string folder = Path(path);
    while (folder.ends_with('\\'))
      folder.pop_back();
    return folder;
  }
};

}  // namespace

std::vector<Winapp2Entry> ParseWinapp2(std::string_view text) {
  std::vector<Winapp2Entry> entries;
  for (const std::string& raw : SplitText(text, "\n")) {
    std::string_view line = raw;
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = Trim(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      entries.emplace_back().name = line.substr(1, line.size() - 2);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!entries.empty() && equals != std::string_view::npos)
      AddKey(entries.back(), line.substr(0, equals), line.substr(equals + 1));
  }
  return entries;
}

std::string ConvertWinapp2Path(std::string_view path) {
  return Converter().Path(path);
}

std::string ConvertWinapp2Key(std::string_view key) {
  return Converter().Key(key);
}

Winapp2Conversion ConvertWinapp2Entry(const Winapp2Entry& entry) {
  Converter convert;
  std::map<std::string_view, std::vector<std::string>> actions;
  if (!entry.unknownKeys.empty()) convert.Refuse("the key " + entry.unknownKeys[0]);
  for (const std::string& key : entry.fileKeys) {
    const auto fields = SplitText(key, "|");
    const std::string folder = convert.Folder(fields[0]);
    std::string subfolders;
    for (std::size_t i = 2; i + 1 < fields.size(); ++i) {
      if (fields[i] == "RECURSE") {
        subfolders = ",Subfolder";
      } else {
        convert.Refuse(fields[i] == "REMOVESELF" ? "REMOVESELF: plugins erase files, not folders"
                                                 : "the flag " + fields[i]);
      }
    }
    if (fields.size() < 3 || Trim(fields[1]).empty()) convert.Refuse("a FileKey without a pattern");
    for (const std::string& pattern : SplitText(fields.size() > 1 ? fields[1] : "", ";")) {
      if (!Trim(pattern).empty())
        actions["DelFile"].push_back(folder + "\\" + std::string(Trim(pattern)) + subfolders);
    }
  }
  for (const std::string& key : entry.regKeys) {
    const auto fields = SplitText(key, "|");
    const std::string path = convert.Key(fields[0]);
    if (key.find_first_of(",*?") != std::string::npos)
      convert.Refuse("a comma or wildcard in a registry key");
    if (fields.size() > 2) {
      actions["DelRegValue"].push_back(path + "," + fields[1]);
    } else {
      actions["DelRegKey"].push_back(path);
    }
  }
  for (const std::string& key : entry.excludeKeys) {
    const auto fields = SplitText(key, "|");
    if (fields[0] != "FILE" && fields[0] != "PATH") {
      convert.Refuse("a " + fields[0] + " exclusion");
      continue;
    }
    std::string name = fields.size() > 2 && !fields[2].empty() ? fields[2] : "*";
    // PATH spares its pattern in every folder below too. An exclusion is found anywhere in a
    // path after its folder, so a leading star reaches every depth; it may spare a little more
    // than the definition says, never less.
    if (fields[0] == "PATH" && !name.starts_with('*')) name.insert(0, "*");
    actions["ExFile"].push_back(convert.Folder(fields.size() > 1 ? fields[1] : "") + "\\" + name);
  }
  if (actions.empty()) convert.Refuse("nothing to erase");
  std::string text = "[Info]\r\nTitle = " + entry.name +
                     "\r\nDescription = Imported from winapp2.ini (CC BY-SA 4.0)\r\n"
                     "Provider = winapp2.ini\r\nSelected = 1\r\nVersion = 3.0 \r\n\r\n";
  for (const auto& [family, values] : actions) {
    for (std::size_t n = 0; n < values.size(); ++n) {
      if (values[n].size() > kLongestValue) convert.Refuse("a value longer than 254 characters");
      text += std::string(family) + std::to_string(n + 1) + "=" + values[n] + "\r\n";
    }
  }
  if (!convert.refusal.empty()) return {"", convert.refusal};
  return {text, ""};
}

}  // namespace quellorn
