// quellorn-bench: the erase primitives on generated trees, for bench/run.sh, which times them
// against the system's own tools, and the reading of large INI files.
//   quellorn-bench generate DIR FILES FOLDERS MIN_KIB MAX_KIB   (sizes in whole KiB)
//   quellorn-bench run test|erase|secure MACHINE WINDOWS_FOLDER
//   quellorn-bench ini MACHINE KIB   (a plugin item and a settings.dat of about KIB KiB each)
//   quellorn-bench registry MACHINE KEYS VALUES  (a registry of KEYS keys and a Run history of
//                                                 VALUES entries, then an erase run of it)
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/file_text.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "platform/portable/portable_machine.h"
#include "plugins/plugin_runner.h"
#include "primitives/file_eraser.h"
#include "run/erase_runner.h"

namespace {

using namespace quellorn;

// Shows nothing, as a hidden main window would; the lines still cost what building them costs.
class QuietView : public SilentRunView {
 public:
  std::size_t lines = 0;
  void AddProgressLine(const std::string&) override { ++lines; }
};

int Generate(const std::filesystem::path& dir, int files, int folders, int minKib, int maxKib) {
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> kib(minKib, maxKib);
  std::vector<char> block(static_cast<std::size_t>(maxKib) * 1024);
  for (std::size_t i = 0; i < block.size(); ++i)
    block[i] = static_cast<char>('a' + i % 26);
  for (int i = 0; i < files; ++i) {
    const std::filesystem::path folder = dir / ("folder" + std::to_string(i % folders));
    if (i < folders) std::filesystem::create_directories(folder);
    std::ofstream(folder / ("file" + std::to_string(i) + ".dat"), std::ios::binary)
        .write(block.data(), static_cast<std::streamsize>(kib(random)) * 1024);
  }
  return 0;
}

void PrintCost(double seconds) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::cout << " seconds=" << seconds << " peak_rss_kb=" << usage.ru_maxrss << '\n';
}

int Run(const std::string& mode, const std::filesystem::path& machineFolder,
        const std::string& folder) {
  platform::PortableMachine machine(machineFolder);
  QuietView view;
  Context ctx(machine.platform(), view, machine.platform().system.ProgramFolder());
  ctx.run.mode = mode == "test" ? EraseMode::kTest : EraseMode::kErase;
  ctx.settings.antirecover = mode == "secure" ? 0 : 1;
  ctx.settings.OverWriteTimes = 1;
  const auto start = std::chrono::steady_clock::now();
  const HeldLog log(ctx);  // as a run holds it
  EraseFolderTree(ctx, folder);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::cout << "files=" << ctx.run.totals.files << " lines=" << view.lines;
  PrintCost(seconds.count());
  return 0;
}

double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A plugin item of DelFile entries in folders that do not exist, with a few exclusions that
// every entry looks up, and a settings.dat whose own keys follow a large section of others.
int Ini(const std::filesystem::path& machineFolder, std::size_t kib) {
  platform::PortableMachine machine(machineFolder);
  QuietView view;
  Context ctx(machine.platform(), view, machine.platform().system.ProgramFolder());
  ctx.run.mode = EraseMode::kTest;
  const std::string item = ctx.programFolder + "\\plugins\\large.qk";
  ctx.os.files.CreateFolder(ctx.programFolder + "\\plugins");
  std::string plugin = "[Info]\r\nTitle=Large\r\nSelected=0\r\n";
  for (int n = 1; n <= 10; ++n)
    plugin += "ExFile" + std::to_string(n) + "=C:\\bench\\keep" + std::to_string(n) + ".log\r\n";
  int entries = 0;
  while (plugin.size() < kib * 1024) {
    const std::string n = std::to_string(++entries);
    plugin += "DelFile" + n + "=C:\\bench\\absent\\folder" + n + "\\*.tmp,Subfolder\r\n";
  }
  std::string settings = "[History]\r\n";
  for (int n = 1; settings.size() < kib * 1024; ++n)
    settings +=
        "Entry" + std::to_string(n) + "=C:\\Documents\\report" + std::to_string(n) + ".doc\r\n";
  settings += "[General]\r\nStealth=1\r\n[IE]\r\nCookies=1\r\n";
  if (WriteWholeFile(ctx.os.files, item, plugin) != platform::kSuccess ||
      WriteWholeFile(ctx.os.files, ctx.settingsFile.path(), settings) != platform::kSuccess) {
    std::cerr << "cannot write the files\n";
    return 1;
  }
  const double pluginSeconds =
      SecondsOf([&] { RunPluginItem(ctx, clsIniFile(ctx.os.files, item)); });
  const double settingsSeconds =
      SecondsOf([&] { ReadSettings(ctx.settingsFile, ctx.programFolder, ctx.settings); });
  const double saveSeconds =
      SecondsOf([&] { ctx.settingsFile.SaveSetting("General", "LastErased", "now"); });
  std::cout << "plugin_kib=" << plugin.size() / 1024 << " entries=" << entries
            << " run_seconds=" << pluginSeconds << " settings_kib=" << settings.size() / 1024
            << " read_seconds=" << settingsSeconds << " save_seconds=" << saveSeconds
            << " stealth=" << ctx.settings.stealth << '\n';
  return 0;
}

void FillRegistry(platform::Registry& registry, int keys, int values) {
  std::vector<std::uint8_t> text(122, 0);  // 60 characters and the terminating NUL, UTF-16LE
  for (std::size_t i = 0; i + 2 < text.size(); i += 2)
    text[i] = 'f';
  const platform::RegValue filler{platform::reg_type::kSz, text};
  for (int i = 0; i < keys; ++i) {
    platform::RegKey key;
    platform::RegKey::Create(registry, platform::kLocalMachine,
                             "SOFTWARE\\Filler\\Key" + std::to_string(i), key);
    registry.SetValue(key.get(), "data", filler);
  }
  platform::RegKey history;
  platform::RegKey::Create(registry, platform::kCurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
                           history);
  for (int i = 0; i < values; ++i) {
    registry.SetValue(history.get(), "v" + std::to_string(i),
                      {platform::reg_type::kSz, {'c', 0, 'm', 0, 'd', 0, 0, 0}});
  }
}

// An erase run of the Run history alone on a fresh machine folder whose registry is made large
// first: what keeping registry.reg costs while a run changes it.
int RunRegistry(const std::filesystem::path& machineFolder, int keys, int values) {
  {
    platform::PortableMachine machine(machineFolder);
    FillRegistry(machine.platform().registry, keys, values);
  }
  platform::PortableMachine machine(machineFolder);
  QuietView view;
  Context ctx(machine.platform(), view, machine.platform().system.ProgramFolder());
  const auto start = std::chrono::steady_clock::now();
  ctx.run.mode = EraseMode::kErase;
  ctx.settings.trackFlags.fill(1);
  ctx.settings.flag(Track::kWindowsRun) = 0;
  StartTask(ctx);
  const std::string lost = machine.Save();
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::cout << "registry_bytes=" << std::filesystem::file_size(machineFolder / "registry.reg")
            << " values=" << ctx.run.totals.registryKeys << (lost.empty() ? "" : " " + lost);
  PrintCost(seconds.count());
  return lost.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 6 && args[0] == "generate") {
    return Generate(args[1], std::stoi(args[2]), std::stoi(args[3]), std::stoi(args[4]),
                    std::stoi(args[5]));
  }
  if (args.size() == 4 && args[0] == "run") return Run(args[1], args[2], args[3]);
  if (args.size() == 3 && args[0] == "ini") return Ini(args[1], std::stoul(args[2]));
  if (args.size() == 4 && args[0] == "registry") {
    return RunRegistry(args[1], std::stoi(args[2]), std::stoi(args[3]));
  }
  std::cerr << "usage: quellorn-bench generate DIR FILES FOLDERS MIN_KIB MAX_KIB\n"
               "       quellorn-bench run test|erase|secure MACHINE WINDOWS_FOLDER\n"
               "       quellorn-bench ini MACHINE KIB\n"
               "       quellorn-bench registry MACHINE KEYS VALUES\n";
  return 2;
}
