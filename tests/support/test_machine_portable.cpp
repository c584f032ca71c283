// TestMachine on the portable back end: a fresh machine folder in the temporary folder,
// removed with everything in it when the test ends.

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/machine_folder.h"
#include "support/test_machine.h"
#include "support/test_machine_files.h"

namespace quellorn::testing {

struct TestMachine::Impl {
  MachineFolder folder;
  std::unique_ptr<platform::PortableMachine> machine = folder.Open();
  // Natively every machine is fresh, so the number only has to look like the real one.
  std::string root = "C:\\qtest\\" + std::to_string(::getpid());

  // The host path of a path below root.
  std::filesystem::path Host(std::string_view path) const {
    std::string below(path.substr(root.size() + 1));
    std::replace(below.begin(), below.end(), '\\', '/');
    return folder.DriveC() / "qtest" / std::to_string(::getpid()) / below;
  }
};

TestMachine::TestMachine() : impl_(std::make_unique<Impl>()) {
  MakeFolder(impl_->root);
}

TestMachine::~TestMachine() = default;

platform::Platform& TestMachine::platform() {
  return impl_->machine->platform();
}

const std::string& TestMachine::root() const {
  return impl_->root;
}

void TestMachine::WriteFile(std::string_view path, std::string_view content) {
  WriteMachineFile(platform().files, path, content);
}

void TestMachine::MakeFolder(std::string_view path) {
  MakeMachineFolder(platform().files, path);
}

void TestMachine::WriteListedFile(std::string_view path, std::string_view content) {
  impl_->folder.Write(impl_->Host(path), content);
}

std::string TestMachine::LinkedTree(std::string_view name) {
  const std::string folder = impl_->root + "\\" + std::string(name);
  const std::filesystem::path host = impl_->Host(folder);
  impl_->folder.Write(host / "outside" / "a.txt", "alpha");
  impl_->folder.Write(host / "outside" / "sub" / "b.txt", "beta");
  impl_->folder.Write(host / "tree" / "plain.txt", "plain");
  impl_->folder.Write(host / "tree" / "nested" / "n.txt", "nested");
  std::filesystem::create_directory_symlink("../outside", host / "tree" / "link");
  std::filesystem::create_directory_symlink("../../outside",
                                            host / "tree" / "nested" / "inner_link");
  std::filesystem::create_symlink("outside/a.txt", host / "file_link");
  return folder;
}

void TestMachine::HardLink(std::string_view target, std::string_view link) {
  std::filesystem::create_hard_link(impl_->Host(target), impl_->Host(link));
}

}  // namespace quellorn::testing
