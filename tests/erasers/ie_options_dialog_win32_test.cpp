// The AutoComplete automation against a stand-in for Internet Explorer's Internet Options
// dialog (tests/platform/dialog_probe.cpp), on Wine's real desktop.
#include <gtest/gtest.h>

#include "erasers/ie_erasers.h"
#include "primitives/registry_eraser.h"
#include "support/dialog_probe_client.h"
#include "support/display_check.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using platform::ShowStyle;
using testing::DialogProbe;

constexpr std::string_view kSound = "AppEvents\\Schemes\\Apps\\.Default\\SystemQuestion\\.Current";

// Starts the probe where the eraser starts Internet Explorer's dialog, and remembers how.
struct DialogStartingShell : testing::FaultyShell {
  using FaultyShell::FaultyShell;
  platform::Status Start(std::string_view commandLine, ShowStyle style) override {
    starts.push_back({std::string(commandLine), style});
    if (probe == nullptr) return platform::kFileNotFound;
    return real().Start(probe->CommandLine(mode), style);
  }
  DialogProbe* probe = nullptr;
  std::string mode = "options";
};

class OptionsDialogTest : public testing::ProfileTest {
 protected:
  void SetUp() override {
    if (!testing::CanShowWindows()) GTEST_SKIP() << "no display to show windows on";
    Reg("[HKEY_CURRENT_USER\\" + std::string(kSound) + "]\r\n@=\"ding.wav\"\r\n");
  }
  void Version(std::string_view ie, std::string_view windows) {
    Reg("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Version Vector]\r\n"
        "\"IE\"=\"" +
        std::string(ie) + "\"\r\n");
    dialogCtx.windowsVersion = windows;
  }
  void Erase() {
    dialogCtx.run.mode = EraseMode::kErase;
    EraseAutoComplete(dialogCtx);
  }
  std::string SoundNow() { return QueryValue(ctx, platform::kCurrentUser, kSound, ""); }
  // Starts the probe as a window of the user's own and answers it, found by its title.
  platform::WindowHandle Show(DialogProbe& probe, std::string_view mode, std::string_view title) {
    EXPECT_TRUE(probe.ready());
    EXPECT_EQ(machine.platform().shell.Start(probe.CommandLine(mode, title), ShowStyle::kNormal),
              platform::kSuccess);
    return os.desktop.FindByTitle(title, 30s);
  }

  DialogStartingShell startingShell{machine.platform().shell, faults};
  platform::Platform dialogOs{registry, files, startingShell, system, os.desktop};
  Context dialogCtx{dialogOs, view, ctx.programFolder};
};

// The forms and passwords are cleared with the dialog's own buttons, each confirmation is
// answered, the dialog closes, and the question sound stays silent meanwhile.
TEST_F(OptionsDialogTest, ClearsFormsAndPasswordsThroughTheDialog) {
  const struct {
    const char* ie;
    const char* windows;
    const char* page;
    ShowStyle style;
  } cases[] = {{"6.0.2900.2180", "xp", ",,3", ShowStyle::kHidden},
               {"6.0.2800.1106", "2000", ",,3", ShowStyle::kMinimized},
               {"5.50.4807.2300", "98", ",,2", ShowStyle::kMinimized}};
  int run = 0;
  for (const auto& c : cases) {
    DialogProbe probe(machine, "options" + std::to_string(++run), QUELLORN_DIALOG_PROBE);
    ASSERT_TRUE(probe.ready());
    startingShell.probe = &probe;
    startingShell.starts.clear();
    Version(c.ie, c.windows);
    Erase();
    EXPECT_EQ(probe.Finish(), (Lines{"sound=", "autocomplete opened", "forms cleared",
                                     "passwords cleared", "autocomplete closed 1", "close 1 1"}))
        << c.ie;
    ASSERT_EQ(startingShell.starts.size(), 1u) << c.ie;
    EXPECT_EQ(startingShell.starts[0].target,
              std::string("rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl") + c.page);
    EXPECT_EQ(startingShell.starts[0].style, c.style);
    EXPECT_EQ(SoundNow(), "ding.wav");
  }
  EXPECT_TRUE(view.progress.empty());
}

// When a window of the sequence does not appear, nothing more is sent, what was found is
// closed, and the window the user is typing in never gets a key.
TEST_F(OptionsDialogTest, StopsAndClosesWhenAWindowDoesNotAppear) {
  DialogProbe bystander(machine, "bystander", QUELLORN_DIALOG_PROBE);
  const platform::WindowHandle editor = Show(bystander, "bystander", "Letter - Editor");
  ASSERT_NE(editor, 0u);
  DialogProbe probe(machine, "broken", QUELLORN_DIALOG_PROBE);
  ASSERT_TRUE(probe.ready());
  startingShell.probe = &probe;
  startingShell.mode = "options-broken";
  Version("6.0.2900.2180", "xp");
  Erase();
  EXPECT_EQ(probe.Finish(), (Lines{"sound=", "autocomplete unavailable", "close 1 1"}));
  EXPECT_EQ(SoundNow(), "ding.wav");
  ASSERT_EQ(os.desktop.Post(editor, platform::window_message::kClose, 0, 0), platform::kSuccess);
  EXPECT_EQ(bystander.Finish(), Lines{"close 0 0"});
}

// An Internet Properties window the user has open is not this program's to drive.
TEST_F(OptionsDialogTest, LeavesTheUsersOwnDialogAlone) {
  DialogProbe users(machine, "users", QUELLORN_DIALOG_PROBE);
  const platform::WindowHandle open = Show(users, "window", "Internet Properties");
  ASSERT_NE(open, 0u);
  Version("6.0.2900.2180", "xp");
  Erase();
  EXPECT_TRUE(startingShell.starts.empty());
  EXPECT_EQ(SoundNow(), "ding.wav");
  ASSERT_EQ(os.desktop.Post(open, platform::window_message::kClose, 0, 0), platform::kSuccess);
  EXPECT_EQ(users.Finish(), Lines{"close 0 0"});
}

}  // namespace
}  // namespace quellorn
