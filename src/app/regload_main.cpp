// quellorn-regload --machine DIR FILE.reg: loads a .reg file into a registry, reporting the
// lines it skips. Exit status 0 when the file was read (even with skipped lines), 1 when it
// could not be read or is no .reg file or the registry could not be saved, 2 for a usage error.

#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/back_end.h"
#include "platform/reg_file.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kUnreadable = 1;
constexpr const char* kUsage = "usage: quellorn-regload [--machine DIR] FILE.reg\n";

struct Arguments {
  std::optional<std::string> machine;
  std::string file;
};

bool ParseArguments(const std::vector<std::string>& args, Arguments& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--machine" && i + 1 < args.size() && !parsed.machine) {
      parsed.machine = args[++i];
    } else if (!args[i].starts_with("--") && parsed.file.empty()) {
      parsed.file = args[i];
    } else {
      return false;
    }
  }
  return !parsed.file.empty();
}

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  bytes = content.str();
  return !in.bad();
}

void Report(const std::string& file, const std::vector<quellorn::platform::RegFileIssue>& issues) {
  for (const auto& issue : issues) {
    std::cerr << file << ':' << issue.line << ": " << issue.reason << '\n';
  }
}

int Run(const Arguments& args) {
  std::string error;
  auto backEnd =
      quellorn::app::OpenBackEnd(args.machine, quellorn::platform::Access::kReadWrite, error);
  if (!backEnd) {
    std::cerr << "quellorn-regload: " << error << '\n' << kUsage;
    return kUsageError;
  }
  for (const std::string& issue : backEnd->LoadIssues())
    std::cerr << "quellorn-regload: warning: " << issue << '\n';
  std::string bytes;
  if (!ReadFile(args.file, bytes)) {
    std::cerr << "quellorn-regload: cannot read " << args.file << '\n';
    return kUnreadable;
  }
  quellorn::platform::RegFile file = quellorn::platform::ParseRegFile(bytes);
  Report(args.file, file.errors);
  if (file.format == quellorn::platform::RegFileFormat::kUnknown) return kUnreadable;
  Report(args.file, quellorn::platform::ApplyRegFile(backEnd->platform().registry, file));
  if (const std::string lost = backEnd->Save(); !lost.empty()) {
    std::cerr << "quellorn-regload: " << lost << '\n';
    return kUnreadable;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), args)) {
    std::cerr << kUsage;
    return kUsageError;
  }
  return Run(args);
}
