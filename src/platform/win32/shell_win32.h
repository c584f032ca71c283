#pragma once

#include "platform/shell.h"

namespace quellorn::platform {

// Shell operations on the real system. Delete walks folders itself instead of calling
// SHFileOperation, whose Wine version descends into linked folders.
class Win32Shell final : public Shell {
 public:
  Status Delete(std::string_view path) override;
  Status Rename(std::string_view from, std::string_view to) override;
  Status EmptyRecycleBin() override;
  Status Start(std::string_view commandLine, ShowStyle style) override;
  Status Open(std::string_view target, ShowStyle style) override;
};

}  // namespace quellorn::platform
