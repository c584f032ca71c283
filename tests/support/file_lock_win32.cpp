#include <gtest/gtest.h>

#include "platform/win32/paths_win32.h"
#include "platform/win32/win32_base.h"
#include "support/file_lock.h"

namespace quellorn::testing {

FileLock::FileLock(FaultPlan& faults, std::string path) : faults_(faults), path_(std::move(path)) {
  std::wstring wide;
  platform::win32::ToFilePath(path_, wide);  // a path it cannot take stays empty: opens nothing
  handle_ = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot hold " << path_ << " open";
}

FileLock::~FileLock() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

}  // namespace quellorn::testing
