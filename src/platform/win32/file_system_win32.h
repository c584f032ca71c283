#pragma once

#include "platform/file_system.h"

namespace quellorn::platform {

// The file system through the wide-character Win32 calls.
class Win32FileSystem final : public FileSystem {
 public:
  std::unique_ptr<DirListing> List(std::string_view folder) override;
  std::uint32_t GetAttributes(std::string_view path) override;
  Status SetAttributes(std::string_view path, std::uint32_t attributes) override;
  Status LinkCount(std::string_view path, std::uint32_t& count) override;
  Status Open(std::string_view path, OpenMode mode, std::unique_ptr<File>& file) override;
  Status Copy(std::string_view from, std::string_view to) override;
  Status Rename(std::string_view from, std::string_view to) override;
  Status Replace(std::string_view from, std::string_view to) override;
  Status Delete(std::string_view path) override;
  Status CreateFolder(std::string_view path) override;
  Status RemoveFolder(std::string_view path) override;
};

}  // namespace quellorn::platform
