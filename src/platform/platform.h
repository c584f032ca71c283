#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace quellorn::platform {

// The operating system as the program sees it: one back end's implementations of each
// concept. Only entry points and tests choose the back end.
struct Platform {
  Registry& registry;
  FileSystem& files;
  Shell& shell;
  SystemInfo& system;
  Desktop& desktop;
};

}  // namespace quellorn::platform

namespace quellorn::platform {

// Whether an entry point opens a back end to change it, or only to look (then the back end
// writes nothing of its own).
enum class Access { kReadWrite, kReadOnly };

// One back end, owning its implementations of the concepts.
class BackEnd {
 public:
  virtual ~BackEnd() = default;
  virtual Platform& platform() = 0;

  // What did not load when the back end was opened, one line each naming the file and line.
  virtual std::vector<std::string> LoadIssues() const { return {}; }
  // False when no change could be kept: opened read-only, or its store could not be read and
  // must not be replaced by what was not read.
  virtual bool CanKeepChanges() const { return true; }
  // Makes every change so far last. Answers what was lost, empty when nothing was.
  virtual std::string Save() { return {}; }
};

}  // namespace quellorn::platform
