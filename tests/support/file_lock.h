#pragma once

#include <string>

#include "support/faults.h"

namespace quellorn::testing {

// A file another program holds open: it can be neither deleted nor renamed while the lock lives.
// Under Wine a real handle without delete sharing; natively, where nothing keeps a file from
// going, the fault plan fails its deletes and renames as a sharing violation.
class FileLock {
 public:
  FileLock(FaultPlan& faults, std::string path);
  ~FileLock();

 private:
  FaultPlan& faults_;
  std::string path_;
  void* handle_ = nullptr;  // the Windows handle
};

}  // namespace quellorn::testing
