#include "support/faults.h"

namespace quellorn::testing {
namespace {

// A listing that may break off as a failing FindNextFile would, and whose deletions through
// it fail as the shell's do for the plan's undeletable paths.
class FaultyListing : public platform::DirListing {
 public:
  FaultyListing(std::unique_ptr<platform::DirListing> real, std::string folder, FaultPlan& plan,
                int entries)
      : real_(std::move(real)), folder_(std::move(folder)), plan_(plan), left_(entries) {}

  bool Next(platform::DirEntry& entry) override {
    broken_ = broken_ || left_ == 0;
    if (broken_) return false;
    if (left_ > 0) --left_;
    return real_->Next(entry);
  }
  platform::Status status() const override {
    return broken_ ? platform::kInvalidHandle : real_->status();
  }
  platform::Status RemoveFile(std::string_view name) override {
    std::string path = folder_;
    if (!path.ends_with('\\')) path += '\\';
    path += name;
    if (FaultPlan::Holds(plan_.denied, path)) return platform::kAccessDenied;
    if (FaultPlan::Holds(plan_.undeletable, path)) return platform::kSharingViolation;
    if (plan_.FailsCall(CallKind::kDelete)) return platform::kSharingViolation;
    return real_->RemoveFile(name);
  }

 private:
  std::unique_ptr<platform::DirListing> real_;
  std::string folder_;
  FaultPlan& plan_;
  int left_;  // entries before the listing breaks off; -1: it never does
  bool broken_ = false;
};

// A file whose reads, writes and flushes are counted and may fail; on a full disk it opens,
// but no write gets through.
class FaultyFile : public platform::File {
 public:
  FaultyFile(std::unique_ptr<platform::File> real, FaultPlan& plan, bool fullDisk)
      : real_(std::move(real)), plan_(plan), fullDisk_(fullDisk) {}

  platform::Status Read(void* buffer, std::size_t size, std::size_t& done) override {
    if (plan_.FailsCall(CallKind::kRead)) {
      done = 0;
      return platform::kGenFailure;
    }
    return real_->Read(buffer, size, done);
  }
  platform::Status Write(const void* data, std::size_t size) override {
    if (fullDisk_) return platform::kDiskFull;
    if (plan_.FailsCall(CallKind::kWrite)) {
      return plan_.failingCall.lasting ? platform::kDiskFull : platform::kGenFailure;
    }
    return real_->Write(data, size);
  }
  platform::Status Seek(std::uint64_t offset) override { return real_->Seek(offset); }
  platform::Status Size(std::uint64_t& size) override { return real_->Size(size); }
  platform::Status SetEnd() override { return real_->SetEnd(); }
  platform::Status Flush() override {
    if (plan_.FailsCall(CallKind::kFlush)) return platform::kGenFailure;
    return real_->Flush();
  }

 private:
  std::unique_ptr<platform::File> real_;
  FaultPlan& plan_;
  bool fullDisk_;
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
  if (plan_.FailsCall(CallKind::kOpen)) return platform::kSharingViolation;
  const platform::Status status = real_.Open(path, mode, file);
  if (status == platform::kSuccess) {
    const bool full = mode != platform::OpenMode::kRead && IsBelow(path, plan_.fullDisk);
    file = std::make_unique<FaultyFile>(std::move(file), plan_, full);
  }
  return status;
}

platform::Status FaultyShell::Delete(std::string_view path) {
  if (FaultPlan::Holds(plan_.denied, path)) return platform::kAccessDenied;
  for (const std::string& undeletable : plan_.undeletable) {
    if (EqualsIgnoreCase(undeletable, path) || IsBelow(undeletable, path))
      return platform::kSharingViolation;
  }
  if (plan_.FailsCall(CallKind::kDelete)) return platform::kSharingViolation;
  return real_.Delete(path);
}

std::unique_ptr<platform::DirListing> FaultyFileSystem::List(std::string_view folder) {
  return Wrap(folder, real_.List(folder));
}

std::unique_ptr<platform::DirListing> FaultyFileSystem::ListForWalk(std::string_view folder) {
  return Wrap(folder, real_.ListForWalk(folder));
}

std::unique_ptr<platform::DirListing> FaultyFileSystem::Wrap(
    std::string_view folder, std::unique_ptr<platform::DirListing> listing) {
  if (plan_.FailsCall(CallKind::kList)) return nullptr;
  if (!listing) return listing;
  const bool breaks = !plan_.brokenListing.empty() && EqualsIgnoreCase(folder, plan_.brokenListing);
  return std::make_unique<FaultyListing>(std::move(listing), std::string(folder), plan_,
                                         breaks ? plan_.listingBreaksAfter : -1);
}

}  // namespace quellorn::testing
