#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/registry.h"
#include "support/test_machine.h"

namespace quellorn::testing {

// A registry key of one test alone, below HKEY_CURRENT_USER; the machine removes it at the end.
// Its name comes from the machine's scratch folder, which no other test program running at the
// same time can have; the keys share no parent that one of them could create and remove.
class ScratchKey {
 public:
  explicit ScratchKey(TestMachine& machine)
      : registry_(machine.platform().registry),
        path_("Software\\QuellornTest-" + LastName(machine.root())) {
    EXPECT_EQ(platform::RegKey::Create(registry_, platform::kCurrentUser, path_, key_),
              platform::kSuccess);
  }

  platform::RegHandle get() const { return key_.get(); }
  // The path below HKEY_CURRENT_USER.
  const std::string& path() const { return path_; }
  std::string Below(std::string_view name) const { return path_ + "\\" + std::string(name); }

 private:
  static std::string LastName(std::string_view path) {
    return std::string(path.substr(path.find_last_of('\\') + 1));
  }

  platform::Registry& registry_;
  std::string path_;
  platform::RegKey key_;
};

}  // namespace quellorn::testing
