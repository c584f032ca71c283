#include "support/faults.h"

namespace quellorn::testing {
namespace {

// A listing that breaks off as a failing FindNextFile would.
class BrokenListing : public platform::DirListing {
 public:
  BrokenListing(std::unique_ptr<platform::DirListing> real, int entries)
      : real_(std::move(real)), left_(entries) {}

  bool Next(platform::DirEntry& entry) override {
    if (left_-- <= 0) return false;
    return real_->Next(entry);
  }
  platform::Status status() const override {
    return left_ < 0 ? platform::kInvalidHandle : real_->status();
  }

 private:
  std::unique_ptr<platform::DirListing> real_;
  int left_;
};

// A file on a full disk: it opens, but no write gets through.
class FullDiskFile : public platform::File {
 public:
  explicit FullDiskFile(std::unique_ptr<platform::File> real) : real_(std::move(real)) {}

  platform::Status Read(void* buffer, std::size_t size, std::size_t& done) override {
    return real_->Read(buffer, size, done);
  }
  platform::Status Write(const void*, std::size_t) override { return platform::kDiskFull; }
  platform::Status Seek(std::uint64_t offset) override { return real_->Seek(offset); }
  platform::Status Size(std::uint64_t& size) override { return real_->Size(size); }
  platform::Status SetEnd() override { return real_->SetEnd(); }
  platform::Status Flush() override { return real_->Flush(); }

 private:
  std::unique_ptr<platform::File> real_;
};

bool IsBelow(std::string_view path, std::string_view folder) {
  return !folder.empty() && path.size() > folder.size() &&
         EqualsIgnoreCase(path.substr(0, folder.size()), folder) &&
         (folder.ends_with('\\') || path[folder.size()] == '\\');
}

}  // namespace

platform::Status FaultyFileSystem::Open(std::string_view path, platform::OpenMode mode,
                                        std::unique_ptr<platform::File>& file) {
  if (FaultPlan::Holds(plan_.unopenable, path)) return platform::kSharingViolation;
  const platform::Status status = real_.Open(path, mode, file);
  if (status == platform::kSuccess && mode != platform::OpenMode::kRead &&
      IsBelow(path, plan_.fullDisk)) {
    file = std::make_unique<FullDiskFile>(std::move(file));
  }
  return status;
}

platform::Status FaultyShell::Delete(std::string_view path) {
  for (const std::string& undeletable : plan_.undeletable) {
    if (EqualsIgnoreCase(undeletable, path) || IsBelow(undeletable, path))
      return platform::kSharingViolation;
  }
  return real_.Delete(path);
}

std::unique_ptr<platform::DirListing> FaultyFileSystem::List(std::string_view folder) {
  auto listing = real_.List(folder);
  if (!listing || plan_.brokenListing.empty() || !EqualsIgnoreCase(folder, plan_.brokenListing)) {
    return listing;
  }
  return std::make_unique<BrokenListing>(std::move(listing), plan_.listingBreaksAfter);
}

}  // namespace quellorn::testing
