#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "support/context_fixture.h"
#include "support/fixtures.h"

namespace quellorn {
namespace {

class SettingsTest : public testing::ContextTest {
 protected:
  Settings Read() {
    Settings settings;
    ReadSettings(ctx.settingsFile, ctx.programFolder, settings);
    return settings;
  }
  std::string settingsPath = ProgramFile("settings.dat");
};

TEST_F(SettingsTest, MissingFileSwitchesEverythingOnAndAnEmptySoundPathIsTheDefault) {
  const Settings settings = Read();
  EXPECT_EQ(settings.antirecover, 0);
  EXPECT_EQ(settings.stealth, 0);
  EXPECT_EQ(settings.Resultwin, 0);
  for (std::size_t i = 0; i < kTrackCount; ++i)
    EXPECT_EQ(settings.trackFlags[i], 0) << i;
  EXPECT_EQ(settings.sndpath, "unknown value");
  // An empty sound path is the default sound.
  machine.WriteFile(settingsPath, "[General]\r\nsndpath=\r\n");
  EXPECT_EQ(Read().sndpath, ctx.programFolder + "\\gunshot.wav");
  machine.WriteFile(settingsPath, "[General]\r\nsndpath=C:\\ding.wav\r\n");
  EXPECT_EQ(Read().sndpath, "C:\\ding.wav");
}

TEST_F(SettingsTest, ReadsSectionsAndKeysInAnyLetterCase) {
  machine.WriteFile(settingsPath,
                    "[general]\r\nantirecover=1\r\nSTEALTH=1\r\nresultwin=5\r\nclearlog=3\r\n"
                    "[AOL]\r\nCache=1\r\n[ie]\r\nurllist=1\r\n");
  const Settings settings = Read();
  EXPECT_EQ(settings.antirecover, 1);
  EXPECT_EQ(settings.stealth, 1);
  EXPECT_EQ(settings.Resultwin, 5);
  EXPECT_EQ(settings.clearlog, 3);
  EXPECT_FALSE(settings.TrackSelected(Track::kAolCache));
  EXPECT_FALSE(settings.TrackSelected(Track::kIeLocationBar));
  EXPECT_TRUE(settings.TrackSelected(Track::kIeCookies));
}

TEST_F(SettingsTest, ValuesThatDoNotConvertKeepWhatWasHeld) {
  machine.WriteFile(settingsPath,
                    "[General]\r\nbosskey=abc\r\nEraseTime=4\r\nsound=99999999999\r\n"
                    "OverWriteTimes=3x\r\n[Windows]\r\nRun=1\r\nFind=yes\r\nRecent=0\r\n");
  Settings settings;
  settings.bosskey = 5;
  settings.sound = 7;
  settings.flag(Track::kWindowsFind) = 1;
  ReadSettings(ctx.settingsFile, ctx.programFolder, settings);
  EXPECT_EQ(settings.bosskey, 5);
  EXPECT_EQ(settings.EraseTime, 4);
  EXPECT_EQ(settings.sound, 7);
  EXPECT_EQ(settings.OverWriteTimes, 3);
  EXPECT_FALSE(settings.TrackSelected(Track::kWindowsRun));
  EXPECT_FALSE(settings.TrackSelected(Track::kWindowsFind));
  EXPECT_TRUE(settings.TrackSelected(Track::kWindowsRecent));
  // The overwrite count takes the text's leading number, which is 0 without digits.
  machine.WriteFile(settingsPath, "[General]\r\nOverWriteTimes=many\r\n");
  ReadSettings(ctx.settingsFile, ctx.programFolder, settings);
  EXPECT_EQ(settings.OverWriteTimes, 0);
}

TEST_F(SettingsTest, WritesUnderTheWriteNamesIntoExistingSectionsAndKeepsAllOnAFullDisk) {
  machine.WriteFile(settingsPath, "[general]\r\nantirecover=0\r\n[aol]\r\nurl=0\r\n");
  Settings settings = Read();
  settings.antirecover = 1;
  settings.flag(Track::kAolCache) = 1;
  settings.flag(Track::kOperaLocationBar) = 1;
  SaveSetting(ctx.settingsFile, settings, SettingKeys()[3]);
  SaveSetting(ctx.settingsFile, settings, TrackSettingKey(Track::kAolCache));
  SaveSetting(ctx.settingsFile, settings, TrackSettingKey(Track::kOperaLocationBar));
  EXPECT_EQ(machine.ReadFile(settingsPath),
            "[general]\r\nantirecover=1\r\n[aol]\r\nurl=0\r\ncache=1\r\n[Opera]\r\nURL=1\r\n");
  EXPECT_EQ(Read().antirecover, 1);
  // A save on a full disk keeps every deselected item.
  machine.WriteFile(settingsPath, "[IE]\r\nCookies=1\r\n[Windows]\r\nRecycleBin=1\r\n");
  settings = Read();
  settings.flag(Track::kIeHistory) = 1;
  faults.fullDisk = programFolder;
  EXPECT_EQ(SaveSetting(ctx.settingsFile, settings, TrackSettingKey(Track::kIeHistory)), 0);
  faults = {};
  const Settings next = Read();
  EXPECT_FALSE(next.TrackSelected(Track::kIeCookies));
  EXPECT_FALSE(next.TrackSelected(Track::kWindowsRecycleBin));
  EXPECT_TRUE(next.TrackSelected(Track::kIeHistory));
}

TEST_F(SettingsTest, ShippedDefaultsEraseNothingUnasked) {
  machine.WriteFile(settingsPath, testing::Fixture("dist/settings.dat"));
  const Settings settings = Read();
  EXPECT_NE(settings.ErasePerTime, 0) << "periodic erase must be off";
  EXPECT_EQ(settings.Autoerase, 0) << "no automatic trigger";
  EXPECT_NE(settings.stealth, 0) << "stealth must be off";
  EXPECT_NE(settings.Resultwin, 0) << "the result window must show";
  EXPECT_NE(settings.autoRun, 0) << "no start-up entry unasked";
  EXPECT_EQ(settings.sndpath, ctx.programFolder + "\\gunshot.wav");
  EXPECT_EQ(ctx.settingsFile.GetSetting("General", "Warning"), "0");
}

TEST_F(SettingsTest, EveryTrackHasOneKey) {
  for (std::size_t i = 0; i < kTrackCount; ++i) {
    const SettingKey& key = TrackSettingKey(static_cast<Track>(i));
    EXPECT_TRUE(key.isTrack);
    EXPECT_EQ(static_cast<std::size_t>(key.track), i);
  }
}

}  // namespace
}  // namespace quellorn
