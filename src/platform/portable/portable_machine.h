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
//                 after every change
//   machine.ini   user, Windows folder, version, program folder, drives, locale, clock
//   drive_c/      drive C: (other drives as machine.ini maps them)
// Missing files read as an empty machine.
class PortableMachine : public BackEnd {
 public:
  explicit PortableMachine(std::filesystem::path folder);
  ~PortableMachine() override;
  PortableMachine(const PortableMachine&) = delete;
  PortableMachine& operator=(const PortableMachine&) = delete;

  Platform& platform() override { return platform_; }
  const std::filesystem::path& folder() const { return folder_; }

  // Lines of registry.reg that did not load. When there are any, the file as it was is kept
  // as registry.reg.bad before it is first rewritten.
  const std::vector<RegFileIssue>& registryIssues() const { return registryIssues_; }
  // How the last save of registry.reg went; a failed save is retried at the next change.
  Status registrySaveStatus() const { return saveStatus_; }

 private:
  void LoadRegistry();
  void SaveRegistry();

  std::filesystem::path folder_;
  MachineConfig config_;
  PathResolver resolver_;
  PortableRegistry registry_;
  PortableFileSystem files_;
  PortableShell shell_;
  PortableSystemInfo system_;
  PortableDesktop desktop_;
  Platform platform_;
  std::vector<RegFileIssue> registryIssues_;
  bool canSave_ = true;
  Status saveStatus_ = kSuccess;
};

}  // namespace quellorn::platform
