#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "support/test_machine.h"

namespace quellorn::testing {

// The symbolic links that tests/wine/make-fixtures.sh puts below C:\qlinks before the tests run.
inline constexpr std::string_view kLinks = "C:\\qlinks";

inline std::string LinkPath(std::string_view relative) {
  return std::string(kLinks) + "\\" + std::string(relative);
}

inline constexpr const char* kNoLinkFixture =
    "needs the links that tests/wine/make-fixtures.sh makes below C:\\qlinks";

inline bool HasLinkFixture(platform::FileSystem& files) {
  return files.Exists(LinkPath("targets\\dir\\a.txt"));
}

// Everything the links point to, exactly as the script made it.
inline void ExpectTargetsIntact(TestMachine& machine) {
  platform::FileSystem& files = machine.platform().files;
  ASSERT_TRUE(files.Exists(LinkPath("targets\\dir\\a.txt")));
  EXPECT_EQ(machine.ReadFile(LinkPath("targets\\dir\\a.txt")), "alpha");
  EXPECT_EQ(machine.ReadFile(LinkPath("targets\\dir\\sub\\b.txt")), "beta");
  EXPECT_EQ(machine.ReadFile(LinkPath("targets\\file.txt")), "target");
  EXPECT_EQ(files.GetAttributes(LinkPath("targets\\empty")) & platform::attr::kDirectory,
            platform::attr::kDirectory);
}

}  // namespace quellorn::testing
