#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quellorn::app {

// quellorn-cli [--machine DIR] [--program-folder PATH] COMMAND, COMMAND one of list, test,
// erase [--yes].
struct CliOptions {
  enum class Command { kList, kTest, kErase };
  Command command = Command::kList;
  bool yes = false;
  std::optional<std::string> machine;
  std::optional<std::string> programFolder;
};

// The options, or nothing with `error` saying what is wrong.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* kCliUsage =
    "usage: quellorn-cli [--machine DIR] [--program-folder PATH] (list | test | erase [--yes])\n"
    "exit status: 0 after a run, 2 for a usage error, 3 when the run's changes could not be "
    "saved";

}  // namespace quellorn::app
