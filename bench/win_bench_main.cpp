// quellorn-winbench: the Windows build's side of bench/run.sh, run under Wine.
//   quellorn-winbench walk FOLDER                 a bare listing walk: files and bytes
//   quellorn-winbench run test|erase FOLDER PROGRAM_FOLDER
//       the walk of an erase run on the real system, each progress line written to standard
//       output as quellorn-cli writes it, the log kept in PROGRAM_FOLDER
#include <chrono>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "app/back_end.h"
#include "app/console_view.h"
#include "core/activity_log.h"
#include "core/context.h"
#include "platform/win32/console_win32.h"
#include "platform/win32/find_win32.h"
#include "platform/win32/paths_win32.h"
#include "primitives/file_eraser.h"

namespace {

using namespace quellorn;

struct WalkTotals {
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
};

// FindFirstFileEx and FindNextFile alone, as any program that sums a tree would walk it.
void Walk(const std::wstring& folder, WalkTotals& totals) {
  platform::win32::FolderScan scan;
  if (scan.Open(folder) != platform::kSuccess) return;
  std::vector<std::wstring> subfolders;
  for (platform::win32::FoundEntry entry; scan.Next(entry);) {
    if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      if ((entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        subfolders.push_back(platform::win32::JoinPath(folder, entry.name));
      continue;
    }
    ++totals.files;
    totals.bytes += entry.size;
  }
  for (const std::wstring& subfolder : subfolders)
    Walk(subfolder, totals);
}

int RunWalk(const std::wstring& folder, std::ostream& out) {
  WalkTotals totals;
  Walk(folder, totals);
  out << "files=" << totals.files << " bytes=" << totals.bytes << '\n';
  return 0;
}

int Run(const std::string& mode, const std::string& folder, const std::string& programFolder,
        std::ostream& out, std::ostream& err) {
  std::string error;
  auto backEnd = app::OpenBackEnd(std::nullopt, platform::Access::kReadWrite, error);
  if (!backEnd) {
    err << error << '\n';
    return 1;
  }
  app::ConsoleView view(out, false, nullptr);
  Context ctx(backEnd->platform(), view, programFolder);
  ctx.run.mode = mode == "test" ? EraseMode::kTest : EraseMode::kErase;
  ctx.settings.antirecover = 1;
  const auto start = std::chrono::steady_clock::now();
  {
    const HeldLog log(ctx);
    EraseFolderTree(ctx, folder);
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  err << "files=" << ctx.run.totals.files << " seconds=" << seconds.count() << '\n';
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i)
    args.push_back(platform::win32::ToUtf8(argv[i]));
  const platform::win32::StdStreamBuffers buffers = platform::win32::MakeStdStreamBuffers();
  std::ostream out(buffers.output.get());
  std::ostream err(buffers.error.get());
  if (args.size() == 2 && args[0] == "walk") return RunWalk(argv[2], out);
  if (args.size() == 4 && args[0] == "run") return Run(args[1], args[2], args[3], out, err);
  err << "usage: quellorn-winbench walk FOLDER\n"
         "       quellorn-winbench run test|erase FOLDER PROGRAM_FOLDER\n";
  return 2;
}
