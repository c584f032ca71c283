// A plugin item (the input is the whole .qk file) run over a small machine: as the custom item
// editor tests it, in a test run and in an erase run. The editor test and the test run change
// nothing. The erase run changes nothing but the item's targets:
//   - DelFile entries: the folder the entry names (after its macros), with everything below;
//   - UpdateFile entries: the file the entry names;
//   - registry families: the key the entry names, with everything below.
// The program folder (the item itself, the log) is not watched. An entry whose path this
// comparison cannot map to one place without doing the file system's work (relative parts,
// short names, wildcards in folders, other separators, names the file system would trim,
// non-ASCII names that fold by Unicode rules) waives the check of its kind for that input.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/context.h"
#include "core/ini_file.h"
#include "core/text_util.h"
#include "fuzz_machine.h"
#include "platform/portable/registry_portable.h"
#include "plugins/plugin_actions.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_runner.h"
#include "primitives/reg_path.h"

namespace {

using quellorn::fuzz::Require;
namespace q = quellorn;
namespace fs = std::filesystem;

constexpr std::string_view kProgramFolder = "C:\\Program Files\\Quellorn";
constexpr std::string_view kItemPath = "C:\\Program Files\\Quellorn\\plugins\\fuzz.qk";

constexpr std::string_view kRegistry =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
    "Shell Folders]\r\n"
    "\"AppData\"=\"C:\\\\Documents and Settings\\\\user\\\\Application Data\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Target]\r\n\"a\"=\"1\"\r\n\"b\"=dword:00000002\r\n"
    "@=\"default\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Target\\Sub]\r\n\"c\"=\"x\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Target\\Sub\\Deep]\r\n@=\"d\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Target\\Session1]\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\TargetTwin]\r\n\"a\"=\"1\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Bystander]\r\n\"a\"=\"1\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Bystander\\Sub]\r\n\"b\"=hex:01,02\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Target]\r\n\"a\"=\"hklm\"\r\n";

constexpr std::string_view kFiles[] = {
    "C:\\target\\a.txt",
    "C:\\target\\b.log",
    "C:\\target\\index.dat",
    "C:\\target\\sub\\c.txt",
    "C:\\target\\sub\\deep\\d.dat",
    "C:\\targettwin\\a.txt",
    "C:\\bystander\\a.txt",
    "C:\\bystander\\sub\\b.log",
    "C:\\Documents and Settings\\user\\Application Data\\App\\cache\\x.tmp",
    "C:\\Documents and Settings\\user\\Application Data\\App\\app.ini",
    "C:\\WINDOWS\\app.log",
};

using Components = std::vector<std::string>;

// Lower-case components of a path with `separator`; nothing when the path cannot be judged.
std::optional<Components> Split(std::string_view path, char separator) {
  Components parts;
  for (std::size_t begin = 0; begin <= path.size();) {
    const std::size_t end = std::min(path.find(separator, begin), path.size());
    const std::string_view part = path.substr(begin, end - begin);
    if (part.empty() && end < path.size()) return std::nullopt;
    if (!part.empty()) parts.push_back(q::ToLower(part));
    begin = end + 1;
  }
  for (const std::string& part : parts) {
    for (const char c : part) {
      if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80)
        return std::nullopt;
    }
  }
  return parts;
}

std::optional<Components> SplitFilePath(std::string_view path, bool folderOnly) {
  if (path.size() < 3 || q::ToLower(path.substr(0, 3)) != "c:\\") return std::nullopt;
  const std::string_view judged = folderOnly ? path.substr(0, path.rfind('\\') + 1) : path;
  if (judged.find_first_of("/~*?:<>|\"", 2) != std::string_view::npos) return std::nullopt;
  auto parts = Split(judged.substr(3), '\\');
  if (!parts) return std::nullopt;
  for (const std::string& part : *parts) {
    if (part.back() == '.' || part.back() == ' ') return std::nullopt;
  }
  return parts;
}

bool HasPrefix(const Components& path, const Components& prefix) {
  return prefix.size() <= path.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

struct Targets {
  bool judgeFiles = true;
  bool judgeRegistry = true;
  std::vector<Components> folders;
  std::vector<Components> files;
  std::vector<std::pair<q::platform::RegHandle, Components>> keys;

  bool CoversFile(const Components& path) const {
    for (const Components& folder : folders) {
      if (HasPrefix(path, folder)) return true;
    }
    return std::find(files.begin(), files.end(), path) != files.end();
  }
  bool CoversKey(q::platform::RegHandle root, const Components& path) const {
    for (const auto& [keyRoot, key] : keys) {
      if (keyRoot == root && HasPrefix(path, key)) return true;
    }
    return false;
  }
};

Targets ItemTargets(q::Context& ctx, const q::clsIniFile& item) {
  Targets targets;
  for (const std::string& value : q::ReadFamily(item, "DelFile")) {
    const q::ActionFields fields(q::ExpandUserName(ctx, value));
    const std::string path = q::ExpandFolderMacros(ctx, fields[0]);
    const auto folder = SplitFilePath(path, true);
    if (folder) targets.folders.push_back(*folder);
    if (!folder && q::IsFullPath(q::GetFolderPart(path))) targets.judgeFiles = false;
  }
  for (const std::string& value : q::ReadFamily(item, "UpdateFile")) {
    const q::ActionFields fields(value);
    const std::string path = q::ExpandFolderMacros(ctx, fields[0]);
    const auto file = SplitFilePath(path, false);
    if (file) targets.files.push_back(*file);
    if (!file && q::IsFullPath(path)) targets.judgeFiles = false;
  }
  for (const std::string_view family :
       {"DelRegValueList", "DelRegValue", "DelRegKeyList", "DelRegKey", "UpdateRegValue"}) {
    for (const std::string& value : q::ReadFamily(item, family)) {
      const q::ActionFields fields(value);
      const q::platform::RegHandle root = q::GetRootKey(fields[0]);
      const auto key = Split(q::GetSubkeyPath(fields[0]), '\\');
      if (root != 0 && key) targets.keys.emplace_back(root, *key);
      if (root != 0 && !key) targets.judgeRegistry = false;
    }
  }
  return targets;
}

// Every file and folder of drive C but the program folder's, by its components.
std::map<Components, std::string> FileState(const fs::path& driveC) {
  std::map<Components, std::string> state;
  const Components program = *SplitFilePath(kProgramFolder, false);
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(driveC, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    const std::string relative = fs::relative(it->path(), driveC).string();
    // A name the comparison cannot fold is kept as it is: it can only be covered by no target.
    const Components parts = Split(relative, '/').value_or(Components{"?" + relative});
    if (HasPrefix(parts, program)) continue;
    const fs::file_status status = it->symlink_status();
    std::ostringstream description;
    description << static_cast<int>(status.type()) << ' ' << static_cast<int>(status.permissions())
                << ' ' << it->path().filename().string() << ' ';
    if (status.type() == fs::file_type::regular)
      description << std::ifstream(it->path(), std::ios::binary).rdbuf();
    state[parts] = description.str();
  }
  return state;
}

using KeyState = std::map<std::pair<q::platform::RegHandle, Components>, std::string>;

KeyState RegistryState(q::platform::Registry& registry) {
  KeyState state;
  for (q::platform::RegFileKey& key :
       dynamic_cast<q::platform::PortableRegistry&>(registry).Export().keys) {
    key.line = 0;
    for (q::platform::RegFileValue& value : key.values)
      value.line = 0;
    // Only this key: the written form is compared, since it holds every name and value.
    const std::string text =
        q::platform::WriteRegFile({q::platform::RegFileFormat::kVersion5, {key}, {}});
    state[{key.root, Split(key.path, '\\').value_or(Components{"?" + key.path})}] = text;
  }
  return state;
}

struct MachineState {
  std::map<Components, std::string> files;
  KeyState keys;
};

MachineState State(q::fuzz::ScratchMachine& scratch) {
  return {FileState(scratch.DriveC()), RegistryState(scratch.os().registry)};
}

template <typename Key, typename Covers>
void RequireCovered(const std::map<Key, std::string>& before,
                    const std::map<Key, std::string>& after, Covers covers, const char* what) {
  for (const auto* side : {&before, &after}) {
    for (const auto& [name, description] : *side) {
      const auto& other = side == &before ? after : before;
      const auto found = other.find(name);
      if (found == other.end() || found->second != description) Require(covers(name), what);
    }
  }
}

void BuildMachine(q::fuzz::ScratchMachine& scratch, std::string_view item) {
  scratch.Reset(kRegistry);
  for (const std::string_view path : kFiles)
    scratch.WriteFile(path, "content of " + std::string(path) + "\r\nsecret line\r\n");
  scratch.WriteFile(kItemPath, item);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static q::fuzz::ScratchMachine scratch;
  BuildMachine(scratch, {reinterpret_cast<const char*>(data), size});
  q::SilentRunView view;
  q::Context ctx(scratch.os(), view, std::string(kProgramFolder));
  const q::clsIniFile item(scratch.os().files, std::string(kItemPath));
  const MachineState before = State(scratch);

  q::fuzz::SilentEditorList list;
  q::RunEditorTest(ctx, item, list);
  ctx.run.mode = q::EraseMode::kTest;
  q::RunPluginItem(ctx, item);
  const MachineState tested = State(scratch);
  Require(tested.files == before.files, "a test changed a file");
  Require(tested.keys == before.keys, "a test changed the registry");

  const Targets targets = ItemTargets(ctx, item);
  ctx.run.mode = q::EraseMode::kErase;
  q::RunPluginItem(ctx, item);
  const MachineState erased = State(scratch);
  if (targets.judgeFiles) {
    RequireCovered(
        before.files, erased.files,
        [&](const Components& path) { return targets.CoversFile(path); },
        "an erase run changed a file outside the item's targets");
  }
  if (targets.judgeRegistry) {
    RequireCovered(
        before.keys, erased.keys,
        [&](const auto& key) { return targets.CoversKey(key.first, key.second); },
        "an erase run changed a key outside the item's targets");
  }
  return 0;
}
