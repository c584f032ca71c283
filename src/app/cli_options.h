#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quellorn::app {

// quellorn-cli [--machine DIR] [--program-folder PATH] COMMAND, COMMAND one of list, test,
// erase [--yes] [--verify], import-winapp2 FILE [--all].
struct CliOptions {
  enum class Command { kList, kTest, kErase, kImportWinapp2 };
  Command command = Command::kList;
  bool yes = false;
  bool verify = false;  // erase: walk the items again afterwards and report what survived
  bool all = false;
  std::string file;  // the winapp2.ini to import
  std::optional<std::string> machine;
  std::optional<std::string> programFolder;
};

// The options, or nothing with `error` saying what is wrong.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* kCliUsage =
    "usage: quellorn-cli [--machine DIR] [--program-folder PATH]\n"
    "         (list | test | erase [--yes] [--verify] | import-winapp2 FILE [--all])\n"
    "exit status: 0 after a run, 2 for a usage error, 3 when the run's changes could not be "
    "saved, 4 when erase --verify found something unexpected left";

}  // namespace quellorn::app
