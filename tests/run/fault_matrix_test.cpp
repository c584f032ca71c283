// Erase runs of each item of the demo machine, alone, while one call of the back end fails: the
// Nth file open, read, write, flush, rename, delete or folder listing, registry write or
// registry deletion, or every write from the Nth on (a full disk). N runs through 1, 2, 3, 5,
// 8, 13, ... up to the number of calls of that kind a run without faults makes, and that last
// call. After each run:
//  - it ended (a crash ends the program);
//  - only the item's targets changed: every file, folder, link, key and value of the machine
//    folder that differs from before the run also differs after a run of the same item without
//    faults (which makes the activity log a target too). So My Documents, other programs'
//    folders and keys, the plugins' companion program and every other bystander stay as they
//    were, and no temporary file or renamed folder is left behind;
//  - settings.dat, the keep lists and the item files in the program folder are whole: each
//    holds what it held before or what the run without faults left;
//  - every file and key a progress line reports as erased is gone.
// Every item file but that of the item a case runs is turned off, so an item file that cannot
// be read must not run either.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/context.h"
#include "core/windows_info.h"
#include "demo/demo_builder.h"
#include "platform/reg_file.h"
#include "primitives/reg_path.h"
#include "run/catalogue.h"
#include "run/erase_runner.h"
#include "run/task_list.h"
#include "support/faults.h"
#include "support/machine_folder.h"
#include "support/recording_run_view.h"
#include "support/system_info_override.h"

namespace quellorn {
namespace {

namespace fs = std::filesystem;
using testing::CallFault;
using testing::CallKind;

// Host paths below the machine folder (or keys and values) and what they hold.
using Snapshot = std::map<std::string, std::string>;

struct Variant {
  const char* name;
  CallKind kind;
  bool lasting;
};
constexpr Variant kVariants[] = {
    {"Open", CallKind::kOpen, false},           {"Read", CallKind::kRead, false},
    {"Write", CallKind::kWrite, false},         {"Flush", CallKind::kFlush, false},
    {"Rename", CallKind::kRename, false},       {"Delete", CallKind::kDelete, false},
    {"List", CallKind::kList, false},           {"RegSet", CallKind::kRegSet, false},
    {"RegDelete", CallKind::kRegDelete, false}, {"DiskFull", CallKind::kWrite, true},
};

// A catalogue item, or an item file (relative to the program folder) of the demo machine.
struct Item {
  std::string name;
  std::optional<Track> track;
  std::string itemFile;
};

void PrintTo(const Item& item, std::ostream* out) {
  *out << item.name;
}
void PrintTo(const Variant& variant, std::ostream* out) {
  *out << variant.name;
}

std::vector<Item> Items() {
  std::vector<Item> items;
  for (const CatalogueItem& entry : Catalogue())
    items.push_back({std::string(entry.displayName), entry.track, ""});
  for (const char* file : {"plugins/Acme Editor.qk", "plugins/Media Player History.qk",
                           "plugins/Paint Recent Files.qk", "Custom/Download Leftovers.qk"})
    items.push_back({fs::path(file).stem().string(), std::nullopt, file});
  return items;
}

void AddRegistry(const std::string& bytes, Snapshot& shot) {
  for (const platform::RegFileKey& key : platform::ParseRegFile(bytes).keys) {
    const std::string path =
        "reg " + std::string(platform::RegRootName(key.root)) + "\\" + key.path;
    shot[path] = "key";
    for (const platform::RegFileValue& value : key.values) {
      shot[path + " : " + value.name] =
          std::to_string(value.value.type) + ":" +
          std::string(value.value.data.begin(), value.value.data.end());
    }
  }
}

// The machine folder, its registry as keys and values.
Snapshot Shoot(const fs::path& root) {
  Snapshot shot = testing::HostTree(root);
  if (const auto registry = shot.find("registry.reg"); registry != shot.end()) {
    const std::string bytes = testing::ReadHostFile(root / "registry.reg");
    shot.erase(registry);
    AddRegistry(bytes, shot);
  }
  return shot;
}

std::set<std::string> Changes(const Snapshot& before, const Snapshot& after) {
  std::set<std::string> names;
  for (const auto& [name, content] : before) {
    const auto found = after.find(name);
    if (found == after.end() || found->second != content) names.insert(name);
  }
  for (const auto& entry : after)
    if (!before.contains(entry.first)) names.insert(entry.first);
  return names;
}

// What a progress line reports as gone: a file ("Erasing [File ]C:\...") or a registry key.
bool StillThere(platform::Platform& os, const std::string& line) {
  if (!line.ends_with(" <OK>")) return false;
  std::string what = line.substr(0, line.size() - 5);
  if (what.starts_with("Erasing Registry Key: ")) {
    what = what.substr(22);
    const bool named = what.starts_with("HKEY_");
    platform::RegKey key;
    return platform::RegKey::Open(os.registry, named ? GetRootKey(what) : platform::kCurrentUser,
                                  named ? GetSubkeyPath(what) : what, key) == platform::kSuccess;
  }
  for (std::string_view prefix : {"Erasing File ", "Erasing "}) {
    if (what.starts_with(prefix) && what.size() > prefix.size() + 2 &&
        what.substr(prefix.size() + 1, 2) == ":\\") {
      return os.files.Exists(what.substr(prefix.size()));
    }
  }
  return false;
}

struct Outcome {
  Snapshot after;
  std::array<int, testing::kCallKinds> calls{};
  int failedCalls = 0;
  int tasks = 0;
  std::vector<std::string> stillThere;  // reported as erased, yet there
};

Outcome RunItem(const fs::path& machineFolder, const Item& item, const CallFault& fault) {
  Outcome outcome;
  {
    platform::PortableMachine machine(machineFolder);
    platform::Platform& real = machine.platform();
    testing::FaultPlan plan;
    testing::FaultyRegistry registry{real.registry, plan};
    testing::FaultyFileSystem files{real.files, plan};
    testing::FaultyShell shell{real.shell, plan};
    testing::SystemInfoOverride system{real.system};
    system.now = platform::LocalTime{2024, 3, 7, 4, 13, 5, 9};
    platform::Platform os{registry, files, shell, system, real.desktop};
    testing::RecordingRunView view;
    Context ctx(os, view, std::string(demo::kProgramFolder));
    ReadSettings(ctx.settingsFile, ctx.programFolder, ctx.settings);
    ctx.windowsVersion = GetWindowsVersion(system.Version());
    ctx.settings.trackFlags.fill(1);
    if (item.track) ctx.settings.flag(*item.track) = 0;
    Addtask(ctx);
    plan.calls = {};
    plan.failingCall = fault;
    EraseNow(ctx);
    outcome.calls = plan.calls;
    outcome.failedCalls = plan.failedCalls;
    outcome.tasks = ctx.run.taskCount;
    for (const std::string& line : view.progress)
      if (StillThere(real, line)) outcome.stillThere.push_back(line);
  }
  outcome.after = Shoot(machineFolder);
  return outcome;
}

std::vector<int> Numbers(int calls) {
  std::vector<int> numbers;
  for (int a = 1, b = 2; a <= calls; b += a, a = b - a)
    numbers.push_back(a);
  if (calls > 0 && numbers.back() != calls) numbers.push_back(calls);
  return numbers;
}

// Deselects a plugin or custom item of the demo machine (the shipped pack's items are off).
void TurnOff(const fs::path& itemFile) {
  std::string text = testing::ReadHostFile(itemFile);
  const std::size_t selected = text.find("Selected = 0");
  if (selected == std::string::npos) return;
  text.replace(selected, 12, "Selected = 1");
  std::ofstream(itemFile, std::ios::binary) << text;
}

bool IsProgramFile(const std::string& name) {
  const std::string folder = "drive_c/Program Files/Quellorn/";
  return name.starts_with(folder) && !name.ends_with("/syslog.txt") &&
         (name.ends_with(".dat") || name.ends_with(".txt") || name.ends_with(".qk"));
}

// The demo machine, then per item its copy with every other item turned off, then its run without
// faults: built once and shared by the cases of the item.
class FaultMatrixTest : public ::testing::TestWithParam<std::tuple<Item, Variant>> {
 protected:
  static void SetUpTestSuite() {
    demo_ = std::make_unique<testing::MachineFolder>();
    std::ofstream(demo_->path() / "machine.ini") << demo::kMachineIni;
    platform::PortableMachine machine(demo_->path());
    demo::DemoBuilder builder(machine.platform());
    demo::BuildDemoMachine(builder);
  }
  static void TearDownTestSuite() {
    demo_.reset();
    item_.reset();
  }

  static void Copy(const fs::path& from, const fs::path& to) {
    fs::copy(from, to,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing |
                 fs::copy_options::copy_symlinks);
  }

  void PrepareItem(const Item& item) {
    if (item_ && itemName_ == item.name) return;
    item_ = std::make_unique<testing::MachineFolder>();
    itemName_ = item.name;
    Copy(demo_->path(), item_->path());
    const fs::path program = item_->DriveC() / "Program Files" / "Quellorn";
    for (const char* folder : {"plugins", "Custom"}) {
      for (const auto& entry : fs::directory_iterator(program / folder)) {
        const std::string name = entry.path().lexically_relative(program).generic_string();
        if (entry.path().extension() == ".qk" && name != item.itemFile) TurnOff(entry.path());
      }
    }
    before_ = Shoot(item_->path());
    testing::MachineFolder copy;
    Copy(item_->path(), copy.path());
    clean_ = RunItem(copy.path(), item, CallFault{});
    targets_ = Changes(before_, clean_.after);
  }

  // What went wrong in a run with the fault, beyond what the run without faults changed.
  std::vector<std::string> Problems(const Outcome& run) const {
    std::vector<std::string> problems;
    for (const std::string& name : Changes(before_, run.after))
      if (!targets_.contains(name)) problems.push_back("changed outside the targets: " + name);
    for (const auto& [name, content] : before_) {
      if (!IsProgramFile(name)) continue;
      const auto now = run.after.find(name);
      const auto clean = clean_.after.find(name);
      const bool whole =
          now != run.after.end() &&
          (now->second == content || (clean != clean_.after.end() && now->second == clean->second));
      if (!whole) problems.push_back("not whole: " + name);
    }
    for (const std::string& line : run.stillThere)
      problems.push_back("reported, yet there: " + line);
    return problems;
  }

  static inline std::unique_ptr<testing::MachineFolder> demo_;
  static inline std::unique_ptr<testing::MachineFolder> item_;
  static inline std::string itemName_;
  static inline Snapshot before_;
  static inline Outcome clean_;
  static inline std::set<std::string> targets_;
};

TEST_P(FaultMatrixTest, FailingCallsChangeNothingButTheItemsTargets) {
  const auto& [item, variant] = GetParam();
  PrepareItem(item);
  ASSERT_EQ(clean_.tasks, 1) << "the item runs alone";
  ASSERT_TRUE(clean_.stillThere.empty()) << clean_.stillThere[0];
  for (int n : Numbers(clean_.calls[static_cast<std::size_t>(variant.kind)])) {
    testing::MachineFolder copy;
    Copy(item_->path(), copy.path());
    const Outcome run = RunItem(copy.path(), item, CallFault{variant.kind, n, variant.lasting});
    EXPECT_GE(run.failedCalls, 1) << "call " << n;
    for (const std::string& problem : Problems(run))
      ADD_FAILURE() << variant.name << " call " << n << ": " << problem;
  }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Item, Variant>>& info) {
  std::string name;
  for (char c : std::get<0>(info.param).name)
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(DemoMachine, FaultMatrixTest,
                         ::testing::Combine(::testing::ValuesIn(Items()),
                                            ::testing::ValuesIn(kVariants)),
                         CaseName);

}  // namespace
}  // namespace quellorn
