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

}  // namespace

std::unique_ptr<platform::DirListing> FaultyFileSystem::List(std::string_view folder) {
  auto listing = real_.List(folder);
  if (!listing || plan_.brokenListing.empty() || !EqualsIgnoreCase(folder, plan_.brokenListing)) {
    return listing;
  }
  return std::make_unique<BrokenListing>(std::move(listing), plan_.listingBreaksAfter);
}

}  // namespace quellorn::testing
