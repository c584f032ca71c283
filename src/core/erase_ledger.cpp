#include "core/erase_ledger.h"

namespace quellorn {
namespace {

constexpr platform::Status kLockViolation = 33;  // ERROR_LOCK_VIOLATION: a locked range

SurvivorReason ReasonOf(platform::Status status) {
  switch (status) {
    case platform::kSuccess:
      return SurvivorReason::kReappeared;
    case platform::kSharingViolation:
    case kLockViolation:
      return SurvivorReason::kInUse;
    case platform::kAccessDenied:
      return SurvivorReason::kAccessDenied;
    default:
      return SurvivorReason::kNotErased;
  }
}

}  // namespace

void EraseLedger::Begin(Pass pass) {
  if (pass == Pass::kErase) {
    outcomes_.clear();
    survivors_.clear();
    reported_.clear();
  }
  pass_ = pass;
}

void EraseLedger::Erased(std::string_view path, platform::Status status) {
  if (pass_ == Pass::kErase) outcomes_.insert_or_assign(std::string(path), status);
}

void EraseLedger::Found(std::string_view path) {
  if (pass_ != Pass::kVerify) return;
  const auto outcome = outcomes_.find(path);
  Add(path, outcome == outcomes_.end() ? SurvivorReason::kNotErased : ReasonOf(outcome->second));
}

void EraseLedger::Kept(std::string_view path) {
  if (pass_ == Pass::kVerify) Add(path, SurvivorReason::kKept);
}

void EraseLedger::Add(std::string_view path, SurvivorReason reason) {
  // Two items may reach the same path; it survived once.
  if (reported_.insert(std::string(path)).second) survivors_.push_back({std::string(path), reason});
}

}  // namespace quellorn
