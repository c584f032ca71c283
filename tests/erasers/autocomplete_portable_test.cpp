#include <gtest/gtest.h>

#include "erasers/ie_erasers.h"
#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

constexpr std::string_view kSound = "AppEvents\\Schemes\\Apps\\.Default\\SystemQuestion\\.Current";

// A machine folder has no Internet Options dialog to drive: the run goes on at once, without
// starting a program, whichever Internet Explorer the registry names.
class AutoCompletePortableTest : public testing::ProfileTest {};

TEST_F(AutoCompletePortableTest, NoDialogIsStartedOnAMachineFolder) {
  for (const char* version : {"5.0002", "6.0.2900.2180"}) {
    Reg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Version Vector]\r\n"
        "\"IE\"=\"" +
        std::string(version) + "\"\r\n[HKEY_CURRENT_USER\\" + std::string(kSound) +
        "]\r\n@=\"ding.wav\"\r\n");
    ctx.run.mode = EraseMode::kErase;
    EraseAutoComplete(ctx);
    EXPECT_EQ(QueryValue(ctx, platform::kCurrentUser, kSound, ""), "ding.wav");
  }
  EXPECT_TRUE(shell.starts.empty());
  EXPECT_TRUE(view.progress.empty());
}

}  // namespace
}  // namespace quellorn
