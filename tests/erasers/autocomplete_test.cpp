#include <gtest/gtest.h>

#include <optional>

#include "erasers/ie_erasers.h"
#include "primitives/registry_eraser.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

using platform::kCurrentUser;
using platform::RegValue;

constexpr std::string_view kSearches =
    "Software\\Microsoft\\Internet Explorer\\Search\\SearchProperties";
constexpr std::string_view kSound = "AppEvents\\Schemes\\Apps\\.Default\\SystemQuestion\\.Current";
const RegValue kSilent{platform::reg_type::kSz, {0, 0}};

// Remembers what is written to the default value of the question sound's key.
struct SoundWatchingRegistry : testing::FaultyRegistry {
  using FaultyRegistry::FaultyRegistry;
  platform::Status SetValue(platform::RegHandle key, std::string_view name,
                            const RegValue& value) override {
    if (name.empty()) written.push_back(value);
    return FaultyRegistry::SetValue(key, name, value);
  }
  std::vector<RegValue> written;
};

class AutoCompleteTest : public testing::ProfileTest {
 protected:
  AutoCompleteTest() {
    Reg("[HKEY_CURRENT_USER\\" + std::string(kSearches) +
        "\\{A1}]\r\n\"Term\"=\"holiday\"\r\n"
        "[HKEY_CURRENT_USER\\" +
        std::string(kSearches) + "\\{B2}]\r\n\"Term\"=\"bank\"\r\n");
    // No Internet Explorer that has the dialog: the Internet Options dialog is never started.
    Reg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Version Vector]\r\n"
        "\"IE\"=\"8.0000\"\r\n");
    ctx.run.mode = EraseMode::kErase;
    watched.run.mode = EraseMode::kErase;
  }

  std::optional<RegValue> Sound() {
    platform::RegKey key;
    if (platform::RegKey::Open(os.registry, kCurrentUser, kSound, key) != platform::kSuccess)
      return std::nullopt;
    RegValue value;
    if (os.registry.QueryValue(key.get(), "", value) != platform::kSuccess) return std::nullopt;
    return value;
  }

  SoundWatchingRegistry watchingRegistry{registry, faults};
  platform::Platform watchedOs{watchingRegistry, files, shell, system, os.desktop};
  Context watched{watchedOs, view, ctx.programFolder};
};

// The sound is silenced for the time of the automation and put back exactly as it was,
// whatever its type, or taken away again when there was none.
TEST_F(AutoCompleteTest, SearchesGoAndTheQuestionSoundComesBackAsItWas) {
  const struct {
    const char* name;
    const char* value;  // a .reg value line, or nullptr for no value
  } cases[] = {
      {"text", "@=\"ding.wav\""},
      {"expandable",
       "@=hex(2):25,00,57,00,49,00,4e,00,25,00,5c,00,61,00,2e,00,77,00,61,00,76,00,00,00"},
      {"none", nullptr},
  };
  for (const auto& c : cases) {
    Reg("[-HKEY_CURRENT_USER\\" + std::string(kSound) + "]\r\n[HKEY_CURRENT_USER\\" +
        std::string(kSound) + "]\r\n" + (c.value ? std::string(c.value) + "\r\n" : ""));
    Reg("[HKEY_CURRENT_USER\\" + std::string(kSearches) + "\\{A1}]\r\n");
    const std::optional<RegValue> before = Sound();
    watchingRegistry.written.clear();
    EraseAutoComplete(watched);
    EXPECT_EQ(Sound(), before) << c.name;
    ASSERT_FALSE(watchingRegistry.written.empty()) << c.name;
    EXPECT_EQ(watchingRegistry.written.front(), kSilent) << c.name;
  }
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, kSearches), "error440");
  EXPECT_EQ(watched.run.totals.registryKeys, 4);
  EXPECT_EQ(view.progress[0], "Erasing Registry Key: " + std::string(kSearches) + "\\{A1} <OK>");
  EXPECT_EQ(view.progress[1], "Erasing Registry Key: " + std::string(kSearches) + "\\{B2} <OK>");
  EXPECT_TRUE(shell.starts.empty());
}

TEST_F(AutoCompleteTest, WithoutTheSoundKeyNoneIsMade) {
  Reg("[-HKEY_CURRENT_USER\\" + std::string(kSound) + "]\r\n");
  EraseAutoComplete(watched);
  platform::RegKey key;
  EXPECT_NE(platform::RegKey::Open(os.registry, kCurrentUser, kSound, key), platform::kSuccess);
  EXPECT_EQ(watched.run.totals.registryKeys, 2);
}

// While Windows 98 asks whether it may end, no program may be started; the sound still goes
// quiet and comes back.
TEST_F(AutoCompleteTest, EndingWindows98StartsNoDialog) {
  Reg("[HKEY_CURRENT_USER\\" + std::string(kSound) +
      "]\r\n@=\"ding.wav\"\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Version Vector]\r\n"
      "\"IE\"=\"6.0000\"\r\n");
  watched.windowsVersion = "98";
  watched.windows98Ending = true;
  EraseAutoComplete(watched);
  EXPECT_TRUE(shell.starts.empty());
  EXPECT_EQ(watchingRegistry.written.size(), 2u);
  EXPECT_EQ(QueryValue(ctx, kCurrentUser, kSound, ""), "ding.wav");
}

// A sound refused once is written again; one that stays silent is reported. One that cannot be
// silenced stays as it is.
TEST_F(AutoCompleteTest, SoundThatCannotComeBackIsTriedAgainThenReported) {
  const std::string failed = "Could not restore the question sound HKEY_CURRENT_USER\\" +
                             std::string(kSound) + " <Failed>";
  using testing::CallKind;
  // Each fault, and whether the sound stays silent.
  const std::pair<testing::CallFault, bool> cases[] = {{{CallKind::kRegSet, 2, false}, false},
                                                       {{CallKind::kRegSet, 1, true}, false},
                                                       {{CallKind::kRegSet, 2, true}, true}};
  for (const auto& [fault, silent] : cases) {
    Reg("[HKEY_CURRENT_USER\\" + std::string(kSound) + "]\r\n@=\"ding.wav\"\r\n");
    const std::optional<RegValue> before = Sound();
    faults.failingCall = fault;
    faults.calls = {};
    view.progress.clear();
    EraseAutoComplete(ctx);
    EXPECT_EQ(Sound(), silent ? kSilent : before) << fault.nth;
    EXPECT_EQ(!view.progress.empty() && view.progress.back() == failed, silent) << fault.nth;
    EXPECT_EQ(Log().ends_with(failed + "\r\n"), silent) << fault.nth;
  }
}

}  // namespace
}  // namespace quellorn
