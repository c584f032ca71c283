#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace quellorn {

// Why a file, folder, key or value is still there after an erase run that verifies itself
// (ReasonText names each, in this order).
enum class SurvivorReason {
  kKept,          // a keep list or an item's exclusion spared it: expected
  kInUse,         // another program holds it open
  kAccessDenied,  // read-only that could not be cleared, or not the user's to delete
  kReappeared,    // erased, then found again
  kNotErased,     // any other failure, or not there when the erase pass came by
};

struct Survivor {
  std::string path;
  SurvivorReason reason;

  bool unexpected() const { return reason != SurvivorReason::kKept; }
};

// What an erase run that verifies itself learns: the outcome of each erase it tried, keyed by
// path, then, in the verification pass over the same items, what is still there and what a keep
// list or an exclusion spared. The primitives report to it; outside those two passes it notes
// nothing, so other runs pay nothing for it.
class EraseLedger {
 public:
  enum class Pass { kNone, kErase, kVerify };

  // Starting the erase pass forgets the last run.
  void Begin(Pass pass);
  bool verifying() const { return pass_ == Pass::kVerify; }

  void Erased(std::string_view path, platform::Status status);
  void Found(std::string_view path);
  void Kept(std::string_view path);

  // Each path found or kept once, in the order the verification pass met them.
  const std::vector<Survivor>& survivors() const { return survivors_; }

 private:
  void Add(std::string_view path, SurvivorReason reason);

  Pass pass_ = Pass::kNone;
  std::map<std::string, platform::Status, std::less<>> outcomes_;
  std::vector<Survivor> survivors_;
  std::set<std::string, std::less<>> reported_;  // the paths of survivors_, looked up per path
};

}  // namespace quellorn
