#pragma once

#include <dirent.h>

#include <filesystem>
#include <memory>

#include "platform/file_system.h"
#include "platform/portable/deferred_close.h"
#include "platform/portable/host_fd.h"

namespace quellorn::platform {

// An open host file behind the File interface.
class HostFile : public File {
 public:
  explicit HostFile(UniqueFd fd) : fd_(std::move(fd)) {}

  Status Read(void* buffer, std::size_t size, std::size_t& done) override;
  Status Write(const void* data, std::size_t size) override;
  Status Seek(std::uint64_t offset) override;
  Status Size(std::uint64_t& size) override;
  Status SetEnd() override;
  Status Flush() override;

 private:
  UniqueFd fd_;
};

// The entries of one host folder, with the attributes Windows would report. Links are
// reported, never entered. Only files, folders and links whose names Windows allows are listed.
class HostListing : public DirListing {
 public:
  // nullptr when the folder cannot be opened. Without `hiddenAndSystem` the extended attribute
  // of files and folders is not read (links still report all of their target's). With
  // `closer`, RemoveFile leaves the freeing of a removed file's blocks to it.
  static std::unique_ptr<HostListing> Open(const std::filesystem::path& folder,
                                           bool hiddenAndSystem = true,
                                           DeferredClose* closer = nullptr);

  // The files this listing removed have their blocks freed without waiting for more.
  ~HostListing() override;
  HostListing(const HostListing&) = delete;
  HostListing& operator=(const HostListing&) = delete;

  bool Next(DirEntry& entry) override;
  Status status() const override { return status_; }
  Status RemoveFile(std::string_view name) override;

 private:
  HostListing(std::filesystem::path folder, DIR* dir, bool hiddenAndSystem, DeferredClose* closer)
      : folder_(std::move(folder)),
        dir_(dir, ::closedir),
        hiddenAndSystem_(hiddenAndSystem),
        closer_(closer) {}

  std::filesystem::path folder_;
  std::unique_ptr<DIR, int (*)(DIR*)> dir_;
  bool hiddenAndSystem_;
  DeferredClose* closer_;
  Status status_ = kSuccess;
};

}  // namespace quellorn::platform
