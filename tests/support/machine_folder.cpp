#include "support/machine_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "platform/portable/host_tree.h"

namespace quellorn::testing {

MachineFolder::MachineFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quellorn-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    ADD_FAILURE() << "cannot create a temporary machine folder";
    return;
  }
  path_ = pattern;
  std::filesystem::create_directory(DriveC());
}

MachineFolder::~MachineFolder() {
  if (!path_.empty()) platform::RemoveHostTree(path_);
}

void MachineFolder::Write(const std::filesystem::path& path, std::string_view content) const {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string MachineFolder::Read(const std::filesystem::path& path) const {
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "cannot read " << path;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::unique_ptr<platform::PortableMachine> MachineFolder::Open() const {
  return std::make_unique<platform::PortableMachine>(path_);
}

std::string ReadHostFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::map<std::string, std::string> HostTree(const std::filesystem::path& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string mode = std::to_string(static_cast<int>(entry.symlink_status().permissions()));
    std::string& described = tree[entry.path().lexically_relative(root).generic_string()];
    if (entry.is_symlink())
      described = "link " + std::filesystem::read_symlink(entry.path()).string();
    else if (entry.is_directory())
      described = "folder " + mode;
    else
      described = mode + " " + ReadHostFile(entry.path());
  }
  return tree;
}

}  // namespace quellorn::testing
