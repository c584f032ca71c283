#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/text_util.h"
#include "platform/win32/win32_base.h"
#include "platform/win32/win32_platform.h"
#include "support/test_machine.h"
#include "support/test_machine_files.h"
#include "support/undoing_registry.h"

namespace quellorn::testing {

namespace {

using platform::kAlreadyExists;
using platform::kSuccess;
using platform::Status;

constexpr std::string_view kScratch = "C:\\qtest";

[[noreturn]] void Fail(std::string_view what, std::string_view path, Status status) {
  throw std::runtime_error(std::string(what) + " " + std::string(path) + ": status " +
                           std::to_string(status));
}

// The folder part of a path, empty for a name at a drive root.
std::string_view FolderOf(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/");
  if (last == std::string_view::npos || last <= 2) return {};
  return path.substr(0, last);
}

bool IsBelow(std::string_view path, std::string_view folder) {
  return path.size() > folder.size() &&
         (path[folder.size()] == '\\' || path[folder.size()] == '/') &&
         EqualsIgnoreCase(path.substr(0, folder.size()), folder);
}

}  // namespace

// The real system under Wine. Registry changes go through an UndoingRegistry; files and folders
// live below a scratch folder of this test alone, and what the helpers create or overwrite
// outside it is remembered and put back.
struct TestMachine::Impl {
  platform::Win32Platform real;
  UndoingRegistry registry{real.platform().registry};
  platform::Platform platform{registry, real.platform().files, real.platform().shell,
                              real.platform().system, real.platform().desktop};
  std::string root;
  std::vector<std::string> created;                              // outside root, oldest first
  std::vector<std::pair<std::string, std::string>> overwritten;  // path, old content

  platform::FileSystem& files() { return platform.files; }

  // Test programs run side by side in one prefix. Each takes its folders from a range of its
  // own (its process id times 1000 onwards), so none touches another's; a folder belongs to
  // whoever creates it.
  void ClaimRoot() {
    const unsigned long first = GetCurrentProcessId() * 1000ul;
    unsigned long n = first;
    for (int attempt = 0; attempt < 1000; ++attempt) {
      files().CreateFolder(kScratch);
      root = std::string(kScratch) + "\\" + std::to_string(n);
      const Status status = files().CreateFolder(root);
      if (status == kSuccess) return;
      if (status == kAlreadyExists) ++n;
    }
    Fail("no free scratch folder from", std::string(kScratch) + "\\" + std::to_string(first),
         platform::kAlreadyExists);
  }

  bool Outside(std::string_view path) const { return !IsBelow(path, root); }

  void RestoreFiles() {
    for (auto file = overwritten.rbegin(); file != overwritten.rend(); ++file)
      WriteMachineFile(files(), file->first, file->second);
    for (auto path = created.rbegin(); path != created.rend(); ++path) {
      if (Status status = platform.shell.Delete(*path); status != kSuccess)
        ADD_FAILURE() << "cannot remove " << *path << ": status " << status;
    }
  }
};

TestMachine::TestMachine() : impl_(std::make_unique<Impl>()) {
  impl_->ClaimRoot();
}

TestMachine::~TestMachine() {
  for (const std::string& problem : impl_->registry.Undo())
    ADD_FAILURE() << "registry not restored: " << problem;
  impl_->RestoreFiles();
  // C:\qtest itself stays: other test programs may be about to create their folders in it.
  if (Status status = impl_->platform.shell.Delete(impl_->root); status != kSuccess)
    ADD_FAILURE() << "cannot remove " << impl_->root << ": status " << status;
}

platform::Platform& TestMachine::platform() {
  return impl_->platform;
}

const std::string& TestMachine::root() const {
  return impl_->root;
}

void TestMachine::WriteFile(std::string_view path, std::string_view content) {
  if (std::string_view folder = FolderOf(path); !folder.empty()) MakeFolder(folder);
  if (impl_->Outside(path)) {
    if (impl_->files().Exists(path))
      impl_->overwritten.emplace_back(std::string(path), ReadFile(path));
    else
      impl_->created.emplace_back(path);
  }
  WriteMachineFile(impl_->files(), path, content);
}

void TestMachine::MakeFolder(std::string_view path) {
  MakeMachineFolder(impl_->files(), path, [this](std::string_view folder) {
    if (impl_->Outside(folder)) impl_->created.emplace_back(folder);
  });
}

std::string TestMachine::LinkedTree(std::string_view name) {
  const std::string folder = "C:\\qlinks\\linked\\" + std::string(name);
  if (!impl_->files().Exists(folder + "\\tree\\link")) {
    ADD_FAILURE() << folder << " was not prepared (tests/wine/make-fixtures.sh)";
  }
  return folder;
}

void TestMachine::WriteListedFile(std::string_view path, std::string_view content) {
  std::wstring wide;
  ASSERT_TRUE(platform::win32::ToWide(path, wide)) << path;
  platform::win32::UniqueHandle file(CreateFileW((L"\\\\?\\" + wide).c_str(), GENERIC_WRITE, 0,
                                                 nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(file && ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                                  &written, nullptr))
      << path;
}

void TestMachine::HardLink(std::string_view target, std::string_view link) {
  std::wstring from;
  std::wstring to;
  if (!platform::win32::ToWide(target, from) || !platform::win32::ToWide(link, to) ||
      !CreateHardLinkW(to.c_str(), from.c_str(), nullptr)) {
    Fail("hard link", link, platform::win32::LastStatus());
  }
}

}  // namespace quellorn::testing
