#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quellorn::app {

// quellorn-cli [--machine DIR] [--program-folder PATH] COMMAND, COMMAND one of
//   list [--all] [--json], test [--only IDS] [--json],
//   erase [--yes] [--verify] [--only IDS] [--json], import-winapp2 FILE [--all], --help, --version.
struct CliOptions {
  enum class Command { kList, kTest, kErase, kImportWinapp2, kHelp, kVersion };
  Command command = Command::kList;
  bool yes = false;
  bool verify = false;  // erase: walk the items again afterwards and report what survived
  bool all = false;
  bool json = false;
  std::vector<std::string> only;  // item ids to run instead of the selection; empty for none
  std::string file;               // the winapp2.ini to import
  std::optional<std::string> machine;
  std::optional<std::string> programFolder;
};

// The options, or nothing with `error` saying what is wrong.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* kCliUsage =
    "usage: quellorn-cli [--machine DIR] [--program-folder PATH] COMMAND\n"
    "  list [--all] [--json]            the items a run takes (--all: every item, its id and\n"
    "                                   whether it is selected)\n"
    "  test [--only ID,...] [--json]    what a run would erase; nothing changes\n"
    "  erase [--yes] [--verify] [--only ID,...] [--json]\n"
    "                                   erases the selected items; --only: those items, this\n"
    "                                   once; --verify: then lists what survived\n"
    "  import-winapp2 FILE [--all]      turns winapp2.ini entries into plugins\n"
    "  --help, --version\n"
    "--json prints one JSON document on stdout and the progress on stderr.\n"
    "exit status: 0 done, 2 usage error, 3 the run's changes could not be saved, 4 erase\n"
    "--verify found something that should have gone";

}  // namespace quellorn::app
