#pragma once

#include <filesystem>

#include "platform/portable/file_system_portable.h"
#include "platform/portable/path_resolver.h"
#include "platform/shell.h"

namespace quellorn::platform {

// Shell operations on a machine folder. Programs and documents are not started: each Start
// and Open appends a line to shell.log in the machine folder ("start <style> <command line>",
// "open <style> <target>") so that tests and demonstrations see what would have run.
class PortableShell : public Shell {
 public:
  PortableShell(const PathResolver& resolver, PortableFileSystem& files,
                std::filesystem::path machineFolder)
      : resolver_(resolver), files_(files), log_(std::move(machineFolder) / "shell.log") {}

  Status Delete(std::string_view path) override;
  Status Rename(std::string_view from, std::string_view to) override;
  // Empties the folder RECYCLER of every drive.
  Status EmptyRecycleBin() override;
  Status Start(std::string_view commandLine, ShowStyle style) override;
  Status Open(std::string_view target, ShowStyle style) override;

 private:
  Status Log(std::string_view verb, ShowStyle style, std::string_view text);

  const PathResolver& resolver_;
  PortableFileSystem& files_;
  std::filesystem::path log_;
};

}  // namespace quellorn::platform
