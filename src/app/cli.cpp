#include "app/cli.h"

#include <iostream>
#include <optional>
#include <set>

#include "app/back_end.h"
#include "app/cli_json.h"
#include "app/cli_options.h"
#include "app/console_view.h"
#include "app/terminal.h"
#include "core/context.h"
#include "core/file_text.h"
#include "core/line_text.h"
#include "core/version.h"
#include "plugins/winapp2_import.h"
#include "run/erase_runner.h"
#include "run/run_plan.h"
#include "run/startup.h"
#include "run/task_list.h"
#include "run/verify.h"

namespace quellorn::app {
namespace {

EraseMode AskOnTerminal(std::istream& in, std::ostream& err) {
  err << "Erase the listed tracks? [e]rase, [t]est, anything else cancels: " << std::flush;
  std::string answer;
  std::getline(in, answer);
  if (answer == "e" || answer == "erase") return EraseMode::kErase;
  if (answer == "t" || answer == "test") return EraseMode::kTest;
  return EraseMode::kNone;
}

int UsageError(std::ostream& err, const std::string& message) {
  err << "quellorn-cli: " << message << '\n' << kCliUsage << '\n';
  return kCliUsageError;
}

bool IsFolder(platform::FileSystem& files, const std::string& path) {
  const std::uint32_t attributes = files.GetAttributes(path);
  return attributes != platform::attr::kInvalid && (attributes & platform::attr::kDirectory) != 0;
}

// Says what the back end could not load. An erase that could not keep its changes is refused
// before it starts: it would report erasing what stays.
bool BackEndUsable(platform::BackEnd& backEnd, bool erase, std::ostream& err) {
  for (const std::string& issue : backEnd.LoadIssues())
    err << "quellorn-cli: warning: " << issue << '\n';
  if (!erase || backEnd.CanKeepChanges()) return true;
  err << "quellorn-cli: erase refused: no change to the registry could be saved\n";
  return false;
}

// Keeps the back end's changes; answers the exit status.
int SaveChanges(platform::BackEnd& backEnd, std::ostream& err) {
  const std::string lost = backEnd.Save();
  if (lost.empty()) return kCliDone;
  err << "quellorn-cli: " << lost << '\n';
  return kCliNotSaved;
}

// Converts the winapp2.ini entries into plugins, saying what could not be and why.
int ImportCommand(Context& ctx, const CliOptions& options, platform::BackEnd& backEnd,
                  std::ostream& out, std::ostream& err) {
  const auto text = ReadTextFile(ctx.os.files, options.file);
  if (!text) return UsageError(err, "cannot read " + options.file);
  const Winapp2Summary summary = ImportWinapp2(ctx, *text, options.all);
  for (const std::string& refusal : summary.refusals)
    out << "refused: " << refusal << '\n';
  out << "winapp2.ini: " << summary.converted << " converted, " << summary.notInstalled
      << " skipped as not installed, " << summary.refused << " refused as not expressible\n";
  return SaveChanges(backEnd, err);
}

// Every item with its id, or the items of a run, one a line or as a JSON document.
int ListCommand(Context& ctx, const CliOptions& options, const ConsoleView& view,
                std::ostream& out) {
  if (!options.all && !options.json) {
    for (const std::string& task : view.tasks())
      out << task << '\n';
    return kCliDone;
  }
  const std::vector<PlanItem> items = options.all ? AllRunItems(ctx) : BuildRunPlan(ctx);
  if (options.json) {
    out << ItemsDocument(items);
    return kCliDone;
  }
  for (const PlanItem& item : items)
    out << OneLine(item.id) << '\t' << (item.selected ? "selected" : "-") << '\t'
        << OneLine(item.row) << '\n';
  return kCliDone;
}

// Limits the run to the named items; answers the first id no item has.
std::optional<std::string> ChooseOnly(Context& ctx, const std::vector<std::string>& ids) {
  std::set<std::string> known;
  for (const PlanItem& item : AllRunItems(ctx))
    known.insert(item.id);
  for (const std::string& id : ids)
    if (!known.contains(id)) return id;
  ctx.run.only = std::set<std::string>(ids.begin(), ids.end());
  return std::nullopt;
}

// Runs the command on a usable back end and answers the exit status.
int RunCommand(const CliOptions& options, platform::BackEnd& backEnd,
               const std::string& programFolder, std::istream& in, std::ostream& out,
               std::ostream& err) {
  // With --json, stdout carries the document alone and the progress goes to stderr.
  ConsoleView view(options.json ? err : out, !options.json && StdoutIsTerminal(),
                   [&] { return options.yes ? EraseMode::kErase : AskOnTerminal(in, err); });
  if (options.json) view.KeepLines();
  Context ctx(backEnd.platform(), programFolder);
  ctx.ShowRunsIn(view);
  ctx.run.verify = options.verify;
  view.Attach(ctx.run.totals);
  StartUp(ctx, "");
  if (!options.only.empty()) {
    if (const auto unknown = ChooseOnly(ctx, options.only))
      return UsageError(err, "no item has the id " + *unknown + " (list --all shows them)");
  }
  Addtask(ctx);

  switch (options.command) {
    case CliOptions::Command::kList:
      return ListCommand(ctx, options, view, out);
    case CliOptions::Command::kImportWinapp2:
      return ImportCommand(ctx, options, backEnd, out, err);
    case CliOptions::Command::kTest:
      TestNow(ctx);
      break;
    case CliOptions::Command::kErase:
      EraseNow(ctx);
      break;
    case CliOptions::Command::kHelp:
    case CliOptions::Command::kVersion:
      break;  // answered before a back end is opened
  }
  view.Finish();
  if (options.json) {
    out << RunDocument({options.command == CliOptions::Command::kTest ? "test" : "erase",
                        view.tasks(), view.lines(), ctx.run.totals, view.status()});
  } else if (!view.status().empty()) {
    out << view.status() << '\n';
  }
  // Changes that could not be kept say more than what survived.
  if (const int saved = SaveChanges(backEnd, err); saved != kCliDone) return saved;
  if (options.verify && UnexpectedSurvivors(ctx.run.ledger.survivors()) > 0) return kCliSurvivors;
  return kCliDone;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  std::string error;
  const auto options = ParseCliOptions(args, error);
  if (!options) return UsageError(err, error);
  if (options->command == CliOptions::Command::kHelp) {
    out << kCliUsage << '\n';
    return kCliDone;
  }
  if (options->command == CliOptions::Command::kVersion) {
    out << "quellorn-cli " << kProgramVersion << '\n';
    return kCliDone;
  }
  const bool import = options->command == CliOptions::Command::kImportWinapp2;
  const bool erase = options->command == CliOptions::Command::kErase;
  if (erase && !options->yes && !StdinIsTerminal()) {
    return UsageError(err, "erase asks for confirmation on a terminal; use --yes without one");
  }
  // Listing and testing only look: the back end then writes nothing of its own.
  auto backEnd = OpenBackEnd(
      options->machine,
      erase || import ? platform::Access::kReadWrite : platform::Access::kReadOnly, error);
  if (!backEnd) return UsageError(err, error);
  platform::FileSystem& files = backEnd->platform().files;
  const std::string programFolder =
      options->programFolder.value_or(backEnd->platform().system.ProgramFolder());
  if (!IsFolder(files, programFolder)) {
    return UsageError(err, "program folder not found: " + programFolder);
  }
  if (!BackEndUsable(*backEnd, erase, err)) return kCliNotSaved;
  if (!files.Exists(programFolder + "\\settings.dat")) {
    err << "quellorn-cli: warning: no settings.dat in " << programFolder
        << ": the run uses the default settings\n";
  }
  return RunCommand(*options, *backEnd, programFolder, in, out, err);
}

}  // namespace quellorn::app
