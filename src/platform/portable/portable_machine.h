#pragma once

#include <filesystem>
#include <vector>

#include "platform/platform.h"
#include "platform/portable/desktop_portable.h"
#include "platform/portable/file_system_portable.h"
#include "platform/portable/machine_config.h"
#include "platform/portable/path_resolver.h"
#include "platform/portable/registry_portable.h"
#include "platform/portable/shell_portable.h"
#include "platform/portable/system_info_portable.h"
#include "platform/reg_file.h"

namespace quellorn::platform {

// One Windows installation kept in a folder of the host (a "machine folder"):
//   registry.reg  the whole registry as a "Windows Registry Editor Version 5.00" file, saved
//                 whole at each Flush of the registry (a run flushes after each item) and when
//                 the machine closes
//   machine.ini   user, Windows folder, version, program folder, drives, locale, clock
//   drive_c/      drive C: (other drives as machine.ini maps them)
// Missing files read as an empty machine. Opened read-only, the machine writes nothing of its
// own: registry changes stay in memory.
class PortableMachine : public BackEnd {
 public:
  explicit PortableMachine(std::filesystem::path folder, Access access = Access::kReadWrite);
  ~PortableMachine() override;
  PortableMachine(const PortableMachine&) = delete;
  PortableMachine& operator=(const PortableMachine&) = delete;

  Platform& platform() override { return platform_; }
  const std::filesystem::path& folder() const { return folder_; }

  // Lines of registry.reg that did not load (line 0: the file as a whole). When there are any,
  // a machine opened to be changed keeps the file as it was as registry.reg.bad; one that
  // could not be read, or holds no registry at all, is never replaced.
  const std::vector<RegFileIssue>& registryIssues() const { return registryIssues_; }

  std::vector<std::string> LoadIssues() const override;
  bool CanKeepChanges() const override { return access_ == Access::kReadWrite && canSave_; }
  std::string Save() override;

 private:
  void LoadRegistry();
  // Saves registry.reg when it changed since its last save; a failed save is retried at the
  // next flush.
  Status FlushRegistry();

  std::filesystem::path folder_;
  MachineConfig config_;
  PathResolver resolver_;
  PortableRegistry registry_;
  PortableFileSystem files_;
  PortableShell shell_;
  PortableSystemInfo system_;
  PortableDesktop desktop_;
  Platform platform_;
  Access access_;
  std::vector<RegFileIssue> registryIssues_;
  bool keptBadCopy_ = false;
  bool canSave_ = true;
  bool changed_ = false;
};

}  // namespace quellorn::platform
