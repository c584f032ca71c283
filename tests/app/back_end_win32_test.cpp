#include <gtest/gtest.h>

#include "app/back_end.h"

namespace quellorn::app {
namespace {

TEST(BackEndTest, WindowsBuildWorksOnTheRealSystemOnly) {
  std::string error;
  EXPECT_EQ(OpenBackEnd(std::string("C:\\machine"), platform::Access::kReadWrite, error), nullptr);
  EXPECT_NE(error.find("--machine"), std::string::npos) << error;

  error.clear();
  std::unique_ptr<platform::BackEnd> backEnd =
      OpenBackEnd(std::nullopt, platform::Access::kReadWrite, error);
  ASSERT_NE(backEnd, nullptr);
  EXPECT_TRUE(error.empty());
  platform::Platform& system = backEnd->platform();
  EXPECT_TRUE(system.files.Exists(system.system.WindowsFolder()));
  platform::RegKey software;
  EXPECT_EQ(platform::RegKey::Open(system.registry, platform::kCurrentUser, "Software", software),
            platform::kSuccess);
}

}  // namespace
}  // namespace quellorn::app
