#include "app/cli_options.h"

namespace quellorn::app {
namespace {

std::optional<CliOptions::Command> CommandNamed(const std::string& name) {
  if (name == "list") return CliOptions::Command::kList;
  if (name == "test") return CliOptions::Command::kTest;
  if (name == "erase") return CliOptions::Command::kErase;
  if (name == "import-winapp2") return CliOptions::Command::kImportWinapp2;
  return std::nullopt;
}

}  // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  CliOptions options;
  std::optional<CliOptions::Command> command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--machine" || arg == "--program-folder") {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        error = arg + " needs a value";
        return std::nullopt;
      }
      (arg == "--machine" ? options.machine : options.programFolder) = args[++i];
    } else if (arg == "--yes") {
      options.yes = true;
    } else if (arg == "--verify") {
      options.verify = true;
    } else if (arg == "--all") {
      options.all = true;
    } else if (auto named = CommandNamed(arg); named && !command) {
      command = named;
      if (command == CliOptions::Command::kImportWinapp2) {
        if (i + 1 == args.size() || args[i + 1].empty() || args[i + 1].starts_with("-")) {
          error = arg + " needs the file to import";
          return std::nullopt;
        }
        options.file = args[++i];
      }
    } else {
      error = arg.starts_with("-") ? "unknown option " + arg : "unexpected argument " + arg;
      return std::nullopt;
    }
  }
  if (!command) {
    error = "no command given";
    return std::nullopt;
  }
  if (options.yes && command != CliOptions::Command::kErase) {
    error = "--yes belongs to erase";
    return std::nullopt;
  }
  if (options.verify && command != CliOptions::Command::kErase) {
    error = "--verify belongs to erase";
    return std::nullopt;
  }
  if (options.all && command != CliOptions::Command::kImportWinapp2) {
    error = "--all belongs to import-winapp2";
    return std::nullopt;
  }
  options.command = *command;
  return options;
}

}  // namespace quellorn::app
