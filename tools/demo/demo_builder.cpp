#include "demo/demo_builder.h"

#include <memory>
#include <stdexcept>

#include "core/ini_file.h"
#include "platform/reg_file.h"

namespace quellorn::demo {

void DemoBuilder::Folder(std::string_view path) {
  if (path.empty() || os_.files.Exists(path)) return;
  const std::size_t slash = path.rfind('\\');
  if (slash != std::string_view::npos && slash > 2) Folder(path.substr(0, slash));
  if (os_.files.CreateFolder(path) != platform::kSuccess) {
    throw std::runtime_error("cannot create " + std::string(path));
  }
}

void DemoBuilder::File(std::string_view path, std::string_view content) {
  Folder(path.substr(0, path.rfind('\\')));
  std::unique_ptr<platform::File> file;
  if (os_.files.Open(path, platform::OpenMode::kCreateAlways, file) != platform::kSuccess ||
      file->Write(content.data(), content.size()) != platform::kSuccess) {
    throw std::runtime_error("cannot write " + std::string(path));
  }
}

void DemoBuilder::Reg(std::string_view body) {
  const platform::RegFile file =
      platform::ParseRegFile("Windows Registry Editor Version 5.00\r\n\r\n" + std::string(body));
  std::vector<platform::RegFileIssue> issues = file.errors;
  for (platform::RegFileIssue& issue : platform::ApplyRegFile(os_.registry, file)) {
    issues.push_back(std::move(issue));
  }
  if (!issues.empty()) {
    throw std::runtime_error("demo registry text, line " + std::to_string(issues[0].line) + ": " +
                             issues[0].reason);
  }
}

void DemoBuilder::Setting(std::string_view section, std::string_view key, std::string_view value) {
  clsIniFile settings(os_.files, InProgram("settings.dat"));
  if (settings.SaveSetting(section, key, value) == 0) {
    throw std::runtime_error("cannot write " + settings.path());
  }
}

std::string DemoBuilder::InProfile(std::string_view relative) {
  return std::string(kProfile) + "\\" + std::string(relative);
}

std::string DemoBuilder::InWindows(std::string_view relative) {
  return std::string(kWindows) + "\\" + std::string(relative);
}

std::string DemoBuilder::InProgram(std::string_view relative) {
  return std::string(kProgramFolder) + "\\" + std::string(relative);
}

void BuildDemoMachine(DemoBuilder& demo) {
  using Area = void (*)(DemoBuilder&);
  constexpr Area kAreas[] = {
      AddUserProfile,    AddProgramFolder, AddWindowsTraces, AddInternetExplorerTraces,
      AddNetscapeTraces, AddOperaTraces,   AddAolTraces,     AddEveryFamilyPlugin,
  };
  for (Area area : kAreas)
    area(demo);
}

}  // namespace quellorn::demo
