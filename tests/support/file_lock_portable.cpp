#include "support/file_lock.h"

namespace quellorn::testing {

FileLock::FileLock(FaultPlan& faults, std::string path) : faults_(faults), path_(std::move(path)) {
  faults_.undeletable.insert(path_);
  faults_.unrenamable.insert(path_);
}

FileLock::~FileLock() {
  faults_.undeletable.erase(path_);
  faults_.unrenamable.erase(path_);
}

}  // namespace quellorn::testing
