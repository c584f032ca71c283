#pragma once

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

// One back end, owning its implementations of the concepts.
class BackEnd {
 public:
  virtual ~BackEnd() = default;
  virtual Platform& platform() = 0;
};

}  // namespace quellorn::platform
