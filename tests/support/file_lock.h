#pragma once

#include <string>

#include "support/faults.h"

namespace quellorn::testing {

// A file held open by another program, so that it can be neither deleted nor renamed while the
// lock lives: under Wine a real handle opened without delete sharing; natively, where nothing
// keeps a file from going, the fault plan fails the deletes and renames of its path as a sharing
// violation.
class FileLock {
 public:
  FileLock(FaultPlan& faults, std::string path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  FaultPlan& faults_;
  std::string path_;
  void* handle_ = nullptr;  // the open Windows handle
};

}  // namespace quellorn::testing
