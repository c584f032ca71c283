#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_util.h"
#include "platform/platform.h"

namespace quellorn::testing {

// Calls counted by kind, so that the Nth call of a kind can be made to fail. Opens, reads,
// writes and flushes are those of files; renames and deletes count both the file system's
// and the shell's (folder removal included); a listing fails as a whole.
enum class CallKind { kOpen, kRead, kWrite, kFlush, kRename, kDelete, kList, kRegSet, kRegDelete };
inline constexpr std::size_t kCallKinds = 9;

// The Nth call of a kind fails (nth 0: none); with `lasting`, so does every later one, as on
// a disk that stays full.
struct CallFault {
  CallKind kind = CallKind::kOpen;
  int nth = 0;
  bool lasting = false;
};

// Fault injection over a real back end: the named paths or keys fail as a locked file, a
// denied key or a broken listing would, and so does the call `failingCall` names; everything
// else goes through unchanged, except that programs and documents the code under test would
// start are recorded instead.
struct FaultPlan {
  std::set<std::string> undeletable;  // Shell::Delete and FileSystem::Delete fail, and
                                      // Shell::Delete of a folder holding one of them
  std::set<std::string> unrenamable;  // Shell::Rename and FileSystem::Rename fail
  std::set<std::string> denied;       // deletes and renames fail with access denied, as for a file
                                      // the user may not delete or whose read-only flag stays
  std::set<std::string> unopenable;   // FileSystem::Open fails
  std::set<std::string> unopenableKeys;  // Registry::OpenKey fails (subkey path)
  std::set<std::string> unreplaceable;   // FileSystem::Replace fails onto these targets
  std::set<std::string> unstartable;     // Shell::Start of these command lines fails
  std::string fullDisk;                  // files opened for writing below this folder take no data
  std::string brokenListing;             // this folder's listing breaks off ...
  int listingBreaksAfter = 0;            // ... after so many entries
  CallFault failingCall;
  std::array<int, kCallKinds> calls{};  // calls of each kind so far
  int failedCalls = 0;                  // calls failed by failingCall

  // Counts a call of the kind; true when it is to fail.
  bool FailsCall(CallKind kind) {
    const int n = ++calls[static_cast<std::size_t>(kind)];
    const bool fails = failingCall.nth > 0 && kind == failingCall.kind &&
                       (n == failingCall.nth || (failingCall.lasting && n > failingCall.nth));
    failedCalls += fails ? 1 : 0;
    return fails;
  }

  static bool Holds(const std::set<std::string>& paths, std::string_view path) {
    return std::any_of(paths.begin(), paths.end(),
                       [path](const std::string& p) { return EqualsIgnoreCase(p, path); });
  }
};

class FaultyFileSystem : public platform::FileSystem {
 public:
  FaultyFileSystem(platform::FileSystem& real, FaultPlan& plan) : real_(real), plan_(plan) {}

  std::unique_ptr<platform::DirListing> List(std::string_view folder) override;
  std::unique_ptr<platform::DirListing> ListForWalk(std::string_view folder) override;
  std::uint32_t GetAttributes(std::string_view path) override { return real_.GetAttributes(path); }
  platform::Status SetAttributes(std::string_view path, std::uint32_t attributes) override {
    return real_.SetAttributes(path, attributes);
  }
  platform::Status LinkCount(std::string_view path, std::uint32_t& count) override {
    return real_.LinkCount(path, count);
  }
  platform::Status Open(std::string_view path, platform::OpenMode mode,
                        std::unique_ptr<platform::File>& file) override;
  platform::Status Copy(std::string_view from, std::string_view to) override {
    return real_.Copy(from, to);
  }
  platform::Status Rename(std::string_view from, std::string_view to) override {
    if (FaultPlan::Holds(plan_.denied, from)) return platform::kAccessDenied;
    if (FaultPlan::Holds(plan_.unrenamable, from)) return platform::kSharingViolation;
    if (plan_.FailsCall(CallKind::kRename)) return platform::kSharingViolation;
    return real_.Rename(from, to);
  }
  platform::Status Replace(std::string_view from, std::string_view to) override {
    if (FaultPlan::Holds(plan_.unreplaceable, to)) return platform::kSharingViolation;
    if (plan_.FailsCall(CallKind::kRename)) return platform::kSharingViolation;
    return real_.Replace(from, to);
  }
  platform::Status Delete(std::string_view path) override {
    if (FaultPlan::Holds(plan_.denied, path)) return platform::kAccessDenied;
    if (FaultPlan::Holds(plan_.undeletable, path)) return platform::kSharingViolation;
    if (plan_.FailsCall(CallKind::kDelete)) return platform::kSharingViolation;
    return real_.Delete(path);
  }
  platform::Status CreateFolder(std::string_view path) override { return real_.CreateFolder(path); }
  platform::Status RemoveFolder(std::string_view path) override {
    if (plan_.FailsCall(CallKind::kDelete)) return platform::kSharingViolation;
    return real_.RemoveFolder(path);
  }

 private:
  std::unique_ptr<platform::DirListing> Wrap(std::string_view folder,
                                             std::unique_ptr<platform::DirListing> listing);

  platform::FileSystem& real_;
  FaultPlan& plan_;
};

class FaultyShell : public platform::Shell {
 public:
  FaultyShell(platform::Shell& real, FaultPlan& plan) : real_(real), plan_(plan) {}

  // Programs and documents are recorded, not started: a test must not open windows.
  struct Request {
    std::string target;  // the command line, or the document or address
    platform::ShowStyle style;
  };
  std::vector<Request> starts;
  std::vector<Request> opens;

  platform::Status Delete(std::string_view path) override;
  platform::Status Rename(std::string_view from, std::string_view to) override {
    if (FaultPlan::Holds(plan_.denied, from)) return platform::kAccessDenied;
    if (FaultPlan::Holds(plan_.unrenamable, from)) return platform::kSharingViolation;
    if (plan_.FailsCall(CallKind::kRename)) return platform::kSharingViolation;
    return real_.Rename(from, to);
  }
  platform::Status EmptyRecycleBin() override { return real_.EmptyRecycleBin(); }
  platform::Status Start(std::string_view commandLine, platform::ShowStyle style) override {
    starts.push_back({std::string(commandLine), style});
    return plan_.unstartable.contains(std::string(commandLine)) ? platform::kFileNotFound
                                                                : platform::kSuccess;
  }
  platform::Status Open(std::string_view target, platform::ShowStyle style) override {
    opens.push_back({std::string(target), style});
    return platform::kSuccess;
  }

 protected:
  platform::Shell& real() { return real_; }

 private:
  platform::Shell& real_;
  FaultPlan& plan_;
};

class FaultyRegistry : public platform::Registry {
 public:
  FaultyRegistry(platform::Registry& real, FaultPlan& plan) : real_(real), plan_(plan) {}

  platform::Status OpenKey(platform::RegHandle parent, std::string_view subKey,
                           platform::RegHandle& key) override {
    if (FaultPlan::Holds(plan_.unopenableKeys, subKey)) return platform::kAccessDenied;
    return real_.OpenKey(parent, subKey, key);
  }
  platform::Status CreateKey(platform::RegHandle parent, std::string_view subKey,
                             platform::RegHandle& key) override {
    return real_.CreateKey(parent, subKey, key);
  }
  platform::Status CloseKey(platform::RegHandle key) override { return real_.CloseKey(key); }
  platform::Status QueryValue(platform::RegHandle key, std::string_view name,
                              platform::RegValue& value) override {
    return real_.QueryValue(key, name, value);
  }
  platform::Status SetValue(platform::RegHandle key, std::string_view name,
                            const platform::RegValue& value) override {
    if (plan_.FailsCall(CallKind::kRegSet)) return platform::kAccessDenied;
    return real_.SetValue(key, name, value);
  }
  platform::Status DeleteValue(platform::RegHandle key, std::string_view name) override {
    if (plan_.FailsCall(CallKind::kRegDelete)) return platform::kAccessDenied;
    return real_.DeleteValue(key, name);
  }
  platform::Status DeleteKey(platform::RegHandle parent, std::string_view subKey) override {
    if (plan_.FailsCall(CallKind::kRegDelete)) return platform::kAccessDenied;
    return real_.DeleteKey(parent, subKey);
  }
  platform::Status EnumValue(platform::RegHandle key, std::uint32_t index,
                             std::string& name) override {
    return real_.EnumValue(key, index, name);
  }
  platform::Status EnumKey(platform::RegHandle key, std::uint32_t index,
                           std::string& name) override {
    return real_.EnumKey(key, index, name);
  }
  platform::Status Flush() override {
    ++flushes;
    return real_.Flush();
  }

  int flushes = 0;  // the commit points a run passed

 private:
  platform::Registry& real_;
  FaultPlan& plan_;
};

}  // namespace quellorn::testing
