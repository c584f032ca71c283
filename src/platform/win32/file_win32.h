#pragma once

#include "platform/file_system.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

// A file opened with CreateFileW; the handle closes with the object.
class Win32File final : public File {
 public:
  explicit Win32File(UniqueHandle handle) : handle_(std::move(handle)) {}

  Status Read(void* buffer, std::size_t size, std::size_t& done) override;
  Status Write(const void* data, std::size_t size) override;
  Status Seek(std::uint64_t offset) override;
  Status Size(std::uint64_t& size) override;
  Status SetEnd() override;
  Status Flush() override;

 private:
  UniqueHandle handle_;
};

}  // namespace quellorn::platform::win32
