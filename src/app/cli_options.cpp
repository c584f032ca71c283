#include "app/cli_options.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/text_util.h"

namespace quellorn::app {
namespace {

using Command = CliOptions::Command;

constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"list", Command::kList},
    {"test", Command::kTest},
    {"erase", Command::kErase},
    {"import-winapp2", Command::kImportWinapp2},
};

std::optional<Command> CommandNamed(std::string_view name) {
  for (const auto& [each, command] : kCommands)
    if (each == name) return command;
  return std::nullopt;
}

std::string CommandName(Command command) {
  for (const auto& [name, each] : kCommands)
    if (each == command) return std::string(name);
  return {};
}

// Takes the value after the option at `i`; false when there is none.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
  if (i + 1 == args.size() || args[i + 1].empty() || args[i + 1].starts_with("-")) return false;
  value = args[++i];
  return true;
}

std::optional<std::vector<std::string>> ItemIds(const std::string& list) {
  std::vector<std::string> ids = SplitText(list, ",");
  ids.pop_back();  // the split's closing empty piece
  for (std::string& id : ids) {
    id = std::string(Trim(id));
    if (id.empty()) return std::nullopt;
  }
  return ids;
}

// Which commands each option belongs to.
struct OptionUse {
  const char* name;
  bool given;
  std::initializer_list<Command> commands;
};

}  // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  CliOptions options;
  std::optional<Command> command;
  const auto fail = [&](std::string message) {
    error = std::move(message);
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "--help" || arg == "-h" || arg == "--version") {
      options.command = arg == "--version" ? Command::kVersion : Command::kHelp;
      return options;
    } else if (arg == "--machine" || arg == "--program-folder") {
      if (i + 1 == args.size() || args[i + 1].empty()) return fail(arg + " needs a value");
      (arg == "--machine" ? options.machine : options.programFolder) = args[++i];
    } else if (arg == "--yes" || arg == "--verify" || arg == "--all" || arg == "--json") {
      (arg == "--yes"      ? options.yes
       : arg == "--verify" ? options.verify
       : arg == "--all"    ? options.all
                           : options.json) = true;
    } else if (arg == "--only") {
      const auto ids = TakeValue(args, i, value) ? ItemIds(value) : std::nullopt;
      if (!ids) return fail("--only needs item ids separated by commas");
      options.only.insert(options.only.end(), ids->begin(), ids->end());
    } else if (auto named = CommandNamed(arg); named && !command) {
      command = named;
      if (command == Command::kImportWinapp2 && !TakeValue(args, i, options.file))
        return fail(arg + " needs the file to import");
    } else {
      return fail(arg.starts_with("-") ? "unknown option " + arg : "unexpected argument " + arg);
    }
  }
  if (!command) return fail("no command given");
  const OptionUse uses[] = {
      {"--yes", options.yes, {Command::kErase}},
      {"--verify", options.verify, {Command::kErase}},
      {"--all", options.all, {Command::kList, Command::kImportWinapp2}},
      {"--json", options.json, {Command::kList, Command::kTest, Command::kErase}},
      {"--only", !options.only.empty(), {Command::kTest, Command::kErase}},
  };
  for (const OptionUse& use : uses) {
    if (!use.given || std::ranges::find(use.commands, *command) != use.commands.end()) continue;
    std::string owners;
    for (Command owner : use.commands)
      owners += (owners.empty() ? "" : " and ") + CommandName(owner);
    return fail(std::string(use.name) + " belongs to " + owners);
  }
  options.command = *command;
  return options;
}

}  // namespace quellorn::app
