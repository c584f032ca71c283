#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/portable/portable_machine.h"

namespace quellorn::testing {

// A temporary machine folder with an empty drive_c, for tests of the portable back end that
// look at the host side: the files it writes, modes, extended attributes, links. Removed
// with everything in it when it goes.
class MachineFolder {
 public:
  MachineFolder();
  ~MachineFolder();
  MachineFolder(const MachineFolder&) = delete;
  MachineFolder& operator=(const MachineFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The host path of drive C's folder.
  std::filesystem::path DriveC() const { return path_ / "drive_c"; }

  // Writes a host file, creating its folders.
  void Write(const std::filesystem::path& path, std::string_view content) const;
  std::string Read(const std::filesystem::path& path) const;

  // A machine on the folder as it is now (each call opens it anew).
  std::unique_ptr<platform::PortableMachine> Open() const;

 private:
  std::filesystem::path path_;
};

// Everything below a host folder by relative path, links as links: "link TARGET",
// "folder MODE" or "MODE CONTENT".
std::map<std::string, std::string> HostTree(const std::filesystem::path& root);
// A host file's bytes; empty when it cannot be read.
std::string ReadHostFile(const std::filesystem::path& path);

}  // namespace quellorn::testing
