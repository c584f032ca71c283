#include "app/cli.h"

#include <iostream>

#include "app/back_end.h"
#include "app/cli_options.h"
#include "app/console_view.h"
#include "app/terminal.h"
#include "core/context.h"
#include "run/erase_runner.h"
#include "run/startup.h"
#include "run/task_list.h"

namespace quellorn::app {
namespace {

std::string AskOnTerminal(std::istream& in, std::ostream& err) {
  err << "Erase the listed tracks? [e]rase, [t]est, anything else cancels: " << std::flush;
  std::string answer;
  std::getline(in, answer);
  if (answer == "e" || answer == "erase") return "erase";
  if (answer == "t" || answer == "test") return "test";
  return "";
}

int UsageError(std::ostream& err, const std::string& message) {
  err << "quellorn-cli: " << message << '\n' << kCliUsage << '\n';
  return 2;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  std::string error;
  const auto options = ParseCliOptions(args, error);
  if (!options) return UsageError(err, error);
  const bool erase = options->command == CliOptions::Command::kErase;
  if (erase && !options->yes && !StdinIsTerminal()) {
    return UsageError(err, "erase asks for confirmation on a terminal; use --yes without one");
  }
  auto backEnd = OpenBackEnd(options->machine, error);
  if (!backEnd) return UsageError(err, error);
  platform::Platform& os = backEnd->platform();

  ConsoleView view(out, StdoutIsTerminal(),
                   [&] { return options->yes ? std::string("erase") : AskOnTerminal(in, err); });
  Context ctx(os, view, options->programFolder.value_or(os.system.ProgramFolder()));
  view.Attach(ctx.totals);
  StartUp(ctx, "");
  Addtask(ctx);

  switch (options->command) {
    case CliOptions::Command::kList:
      for (const std::string& task : view.tasks())
        out << task << '\n';
      return 0;
    case CliOptions::Command::kTest:
      TestNow(ctx);
      break;
    case CliOptions::Command::kErase:
      EraseNow(ctx);
      break;
  }
  view.Finish();
  if (!view.status().empty()) out << view.status() << '\n';
  return 0;
}

}  // namespace quellorn::app
