#pragma once

#include <string_view>

#include "platform/status.h"

namespace quellorn::platform {

// Show commands as ShowWindow numbers them.
enum class ShowStyle : int {
  kHidden = 0,
  kNormal = 1,
  kMinimized = 2,
  kMaximized = 3,
  kShow = 5,
  kMinimizedNoFocus = 7,
};

// Shell operations: the semantics of SHFileOperation, SHEmptyRecycleBin and starting programs.
class Shell {
 public:
  virtual ~Shell() = default;

  // FO_DELETE without undo: removes a file, or a folder with everything below it. A link or
  // junction inside the folder is removed itself; what it points to is never touched.
  virtual Status Delete(std::string_view path) = 0;
  // FO_RENAME: fails when the target exists.
  virtual Status Rename(std::string_view from, std::string_view to) = 0;
  // Empties the recycle bins of all drives, without confirmation or sound.
  virtual Status EmptyRecycleBin() = 0;
  // Starts a command line without waiting for it.
  virtual Status Start(std::string_view commandLine, ShowStyle style) = 0;
  // ShellExecute "open" of a document or address.
  virtual Status Open(std::string_view target, ShowStyle style) = 0;
};

}  // namespace quellorn::platform
