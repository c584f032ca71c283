#include "ui/track_selection_window.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

using ui::TrackGroup;
using ui::TrackSelectionWindow;

constexpr Track kIe[] = {Track::kIeLocationBar, Track::kIeCookies,      Track::kIeCache,
                         Track::kIeHistory,     Track::kIeAutoComplete, Track::kIePlugins,
                         Track::kIeIndex};

class TrackSelectionWindowTest : public testing::ProfileTest {
 protected:
  TrackSelectionWindow Loaded() {
    TrackSelectionWindow window(ctx);
    window.Load();
    return window;
  }
  std::string SettingsFile() { return machine.ReadFile(ProgramFile("settings.dat")); }
  std::string Stored(Track track) {
    const SettingKey& key = TrackSettingKey(track);
    return ctx.settingsFile.GetSetting(key.writeSection, key.writeName);
  }
};

TEST_F(TrackSelectionWindowTest, BoxesAndGroupBoxesCascadeAsClicked) {
  TrackSelectionWindow window = Loaded();
  window.OnSelectNone(TrackGroup::kIe, true);
  for (Track track : kIe) {
    EXPECT_FALSE(window.checked(track));
    EXPECT_EQ(ctx.settings.flag(track), 1);
  }
  // One box checked under "select none" clears that box only.
  window.OnBoxClick(Track::kIeCookies, true);
  EXPECT_FALSE(window.selectNone(TrackGroup::kIe));
  EXPECT_EQ(ctx.settings.flag(Track::kIeCookies), 0);
  EXPECT_FALSE(window.checked(Track::kIeCache));
  EXPECT_EQ(ctx.settings.flag(Track::kIeCache), 1);

  // "Select all" with every box checked changes no flag and keeps "select none".
  window.OnSelectNone(TrackGroup::kOpera, true);
  window.OnSelectNone(TrackGroup::kOpera, false);  // unchecking acts on nothing
  EXPECT_EQ(ctx.settings.flag(Track::kOperaCache), 1);
  ctx.settings.flag(Track::kWindowsRun) = 0;
  window.OnSelectNone(TrackGroup::kWindows, true);
  window.OnSelectAll(TrackGroup::kWindows, true);
  EXPECT_FALSE(window.selectNone(TrackGroup::kWindows));
  const auto flags = ctx.settings.trackFlags;
  window.OnSelectNone(TrackGroup::kAol, false);
  window.OnSelectAll(TrackGroup::kWindows, true);
  EXPECT_EQ(ctx.settings.trackFlags, flags);
  EXPECT_TRUE(window.selectAll(TrackGroup::kWindows));
  // Unchecking one box clears "select all".
  window.OnBoxClick(Track::kWindowsRun, false);
  EXPECT_FALSE(window.selectAll(TrackGroup::kWindows));
  EXPECT_EQ(ctx.settings.flag(Track::kWindowsRun), 1);
}

TEST_F(TrackSelectionWindowTest, CancelKeepsTheFlagsInMemoryOnly) {
  Make("Quellorn\\settings.dat", "[netscape]\r\ncache=0\r\n");
  const std::string before = SettingsFile();
  {
    TrackSelectionWindow window = Loaded();
    window.OnSelectNone(TrackGroup::kNetscape, true);
    window.OnCancel();
    EXPECT_TRUE(window.closed());
  }
  EXPECT_EQ(SettingsFile(), before);
  TrackSelectionWindow reopened = Loaded();
  EXPECT_FALSE(reopened.checked(Track::kNetscapeCache));
  EXPECT_TRUE(reopened.checked(Track::kOperaCache));
}

TEST_F(TrackSelectionWindowTest, OkWritesEveryFlagAndRebuildsTheTaskList) {
  ctx.settings.flag(Track::kAolHistory) = -1;
  view.progress = {"old line"};
  TrackSelectionWindow window = Loaded();
  EXPECT_FALSE(window.checked(Track::kAolHistory));
  window.OnSelectNone(TrackGroup::kIe, true);
  window.OnOk();
  EXPECT_TRUE(window.closed());
  for (Track track : kIe)
    EXPECT_EQ(Stored(track), "1");
  EXPECT_EQ(Stored(Track::kAolHistory), "-1");
  EXPECT_EQ(Stored(Track::kWindowsTemp), "0");
  EXPECT_TRUE(view.progress.empty());
  ASSERT_FALSE(view.tasks.empty());
  for (const auto& task : view.tasks)
    EXPECT_EQ(task.text.find("Internet Explorer"), std::string::npos) << task.text;
}

TEST_F(TrackSelectionWindowTest, NetscapeFrameShowsTheInstalledVersion) {
  struct Case {
    const char* reg;
    const char* caption;
  };
  const Case cases[] = {
      {"", "Netscape Settings"},
      {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape]\r\n\"CurrentVersion\"=\"4.7\"\r\n",
       "Netscape 4.7 Settings"},
      {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape 6]\r\n\"CurrentVersion\"=\"6.2\"\r\n",
       "Netscape 6.2 Settings"},
  };
  for (const Case& c : cases) {
    Reg(c.reg);
    EXPECT_EQ(Loaded().netscapeCaption(), c.caption) << c.reg;
  }
}

}  // namespace
}  // namespace quellorn
