#include "support/test_machine_files.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/reg_file.h"
#include "support/test_machine.h"

namespace quellorn::testing {

void MakeMachineFolder(platform::FileSystem& files, std::string_view path,
                       const std::function<void(std::string_view)>& created) {
  // Every folder on the way, from the one below the drive's root.
  for (std::size_t slash = path.find('\\', 3);; slash = path.find('\\', slash + 1)) {
    std::string_view folder = path.substr(0, slash);
    platform::Status status = files.CreateFolder(folder);
    if (status != platform::kSuccess && status != platform::kAlreadyExists) {
      ADD_FAILURE() << "cannot create folder " << folder << " (status " << status << ")";
      return;
    }
    if (status == platform::kSuccess && created) created(folder);
    if (slash == std::string_view::npos) return;
  }
}

void WriteMachineFile(platform::FileSystem& files, std::string_view path,
                      std::string_view content) {
  std::size_t slash = path.rfind('\\');
  if (slash != std::string_view::npos && slash > 2) MakeMachineFolder(files, path.substr(0, slash));
  std::unique_ptr<platform::File> file;
  platform::Status status = files.Open(path, platform::OpenMode::kCreateAlways, file);
  if (status == platform::kSuccess) status = file->Write(content.data(), content.size());
  if (status != platform::kSuccess)
    ADD_FAILURE() << "cannot write " << path << " (status " << status << ")";
}

std::string ReadMachineFile(platform::FileSystem& files, std::string_view path) {
  std::unique_ptr<platform::File> file;
  platform::Status status = files.Open(path, platform::OpenMode::kRead, file);
  if (status != platform::kSuccess) {
    ADD_FAILURE() << "cannot read " << path << " (status " << status << ")";
    return {};
  }
  std::string content;
  char buffer[65536];
  std::size_t done = 0;
  while (file->Read(buffer, sizeof buffer, done) == platform::kSuccess && done > 0) {
    content.append(buffer, done);
  }
  return content;
}

FolderListing ListMachineFolder(platform::FileSystem& files, std::string_view folder) {
  FolderListing entries;
  std::unique_ptr<platform::DirListing> listing = files.List(folder);
  if (!listing) ADD_FAILURE() << "cannot list " << folder;
  for (platform::DirEntry entry; listing && listing->Next(entry);)
    entries[entry.name] = {entry.attributes, entry.size};
  return entries;
}

std::string EscapeBackslashes(std::string_view text) {
  std::string escaped;
  for (char c : text)
    escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return escaped;
}

std::string ExpandRoot(std::string_view regText, std::string_view root) {
  const std::string escaped = EscapeBackslashes(root);
  std::string text(regText);
  for (std::size_t at = text.find("$ROOT"); at != std::string::npos;
       at = text.find("$ROOT", at + escaped.size())) {
    text.replace(at, 5, escaped);
  }
  return text;
}

void LoadMachineReg(platform::Registry& registry, std::string_view regText, std::string_view root) {
  platform::RegFile file = platform::ParseRegFile(ExpandRoot(regText, root));
  for (const auto& issue : file.errors) {
    ADD_FAILURE() << "line " << issue.line << " of the .reg text: " << issue.reason;
  }
  for (const auto& issue : platform::ApplyRegFile(registry, file)) {
    ADD_FAILURE() << "line " << issue.line << " of the .reg text: " << issue.reason;
  }
}

// The same on every back end.
std::string TestMachine::ReadFile(std::string_view path) {
  return ReadMachineFile(platform().files, path);
}

void TestMachine::LoadReg(std::string_view regText) {
  LoadMachineReg(platform().registry, regText, root());
}

}  // namespace quellorn::testing
