#pragma once

#include "platform/file_system.h"
#include "platform/portable/deferred_close.h"
#include "platform/portable/path_resolver.h"

namespace quellorn::platform {

// The drives of a machine folder under Windows file system rules: a read-only file cannot be
// deleted or opened for writing (also for root, who could on the host), DeleteFile refuses
// folders, RemoveDirectory refuses folders that are not empty, MoveFile refuses to replace.
// Delete and RemoveFolder on a link remove the link alone.
class PortableFileSystem : public FileSystem {
 public:
  explicit PortableFileSystem(const PathResolver& resolver) : resolver_(resolver) {}

  std::unique_ptr<DirListing> List(std::string_view folder) override;
  std::unique_ptr<DirListing> ListForWalk(std::string_view folder) override;
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

 private:
  const PathResolver& resolver_;
  DeferredClose closer_;  // for the files that walks remove
};

}  // namespace quellorn::platform
