// Importing community definitions: a trimmed copy of the real winapp2.ini, converted on a machine
// where some of its programs are installed, and the converted items run.
#include <gtest/gtest.h>

#include "plugins/plugin_fixture.h"
#include "plugins/plugin_runner.h"
#include "plugins/winapp2_import.h"
#include "support/fixtures.h"

namespace quellorn {
namespace {

constexpr std::string_view kKeys[] = {"Software\\OEClassic", "Software\\MOVAVI",
                                      "Software\\Vivaldi"};

class Winapp2Test : public testing::PluginTest {
 protected:
  void SetUp() override {
    ShellFolders({{"Local AppData", "Local"}, {"AppData", "Roaming"}});
    system.environment = {{"ProgramFiles", At("Program Files")}};
    std::string reg;
    for (std::string_view key : kKeys)
      reg += "[HKEY_CURRENT_USER\\" + std::string(key) + "]\r\n";
    Reg(reg +
        "[HKEY_CURRENT_USER\\Software\\Vivaldi\\PreferenceMACs\\Default]\r\n"
        "\"pinned_tabs\"=\"1\"\r\n\"homepage\"=\"2\"\r\n");
    for (const char* file : kErased)
      Make(file);
    for (const char* file : kKept)
      Make(file);
  }
  void TearDown() override {
    std::string reg;
    for (std::string_view key : kKeys)
      reg += "[-HKEY_CURRENT_USER\\" + std::string(key) + "]\r\n";
    Reg(reg);
  }
  Winapp2Summary Import(bool all = false) {
    return ImportWinapp2(ctx, testing::Fixture("winapp2/winapp2-sample.ini"), all);
  }
  std::string PluginPath(std::string_view entry) {
    return ProgramFile("plugins\\" + std::string(entry) + ".qk");
  }

  static constexpr const char* kErased[] = {
      "Local\\OEClassic\\Prg\\Res\\spell.cache",
      "Local\\OEClassic\\Prg\\Res\\old\\img.png",
      "Local\\OEClassic\\Prg\\T\\msg1.tmp",
      "Local\\Movavi\\Movavi Video Converter 22\\Log.txt",
      "Local\\Movavi\\Movavi Video Converter 22\\Cache\\thumb.bin",
      "Roaming\\Everything\\Run History.csv",
      "Local\\EverythingToolbar\\history.xml",
  };
  static constexpr const char* kKept[] = {
      // Exclusions: PATH spares its pattern in every folder below, FILE the one file.
      "Local\\OEClassic\\Prg\\Res\\dict-en.aff",
      "Local\\OEClassic\\Prg\\Res\\de\\dict-de.dic",
      "Local\\Movavi\\Movavi Video Converter 22\\Cache\\videoconverter1\\MSparkle\\2\\"
      "MovaviVideoConverterSetup22.exe",
      "Roaming\\Everything\\Filters.csv",
      // Beside what the definitions name.
      "Local\\Movavi\\Movavi Video Converter 22\\settings.xml",
      "Roaming\\Everything\\Everything.ini",
      "Local\\Vivaldi\\User Data\\Default\\Bookmarks",
  };
};

TEST_F(Winapp2Test, InstalledProgramsAreConvertedAndWhatTheFormatCannotSayIsRefused) {
  const Winapp2Summary summary = Import();
  EXPECT_EQ(summary.converted, 4);
  EXPECT_EQ(summary.notInstalled, 3);  // Google Chrome, 360 Secure Browser, Aimersoft
  EXPECT_EQ(summary.refused, 0);
  for (const char* entry :
       {"OE Classic", "Movavi Video Converter", "Vivaldi Pinned Tabs", "Everything"})
    EXPECT_TRUE(os.files.Exists(PluginPath(entry))) << entry;
  EXPECT_FALSE(os.files.Exists(PluginPath("Aimersoft")));

  const Winapp2Summary all = Import(true);
  EXPECT_EQ(all.converted, 5);
  EXPECT_EQ(all.refusals,
            (std::vector<std::string>{"Google Chrome Autofill Data & Search Engine Preferences *: "
                                      "REMOVESELF: plugins erase files, not folders",
                                      "Aimersoft *: the variable %Public% names no folder the "
                                      "plugins know"}));
}

TEST_F(Winapp2Test, ConvertedItemsEraseTheirTracesAndSpareTheirExclusions) {
  ASSERT_EQ(Import().converted, 4);
  for (const char* entry :
       {"OE Classic", "Movavi Video Converter", "Vivaldi Pinned Tabs", "Everything"}) {
    clsIniFile item(os.files, PluginPath(entry));
    EXPECT_EQ(item.GetSetting("info", "Selected"), "1") << "imported unticked";
    item.SaveSetting("info", "Selected", "0");
    RunPluginItem(ctx, item);
  }
  for (const char* file : kErased)
    EXPECT_FALSE(Exists(file)) << file;
  for (const char* file : kKept)
    EXPECT_TRUE(Exists(file)) << file;
  EXPECT_EQ(QueryValue(ctx, platform::kCurrentUser, "Software\\Vivaldi\\PreferenceMACs\\Default",
                       "pinned_tabs"),
            kReadFailed);
  EXPECT_EQ(QueryValue(ctx, platform::kCurrentUser, "Software\\Vivaldi\\PreferenceMACs\\Default",
                       "homepage"),
            "2");
}

// DetectOS gives the Windows versions an entry is for: "min|max", either side open.
TEST_F(Winapp2Test, EntriesForOtherWindowsAreSkippedAndDeviceNamesRefused) {
  system.version = platform::WindowsVersion{2, 10, 0};
  const std::string keys = "]\r\nFileKey1=%AppData%\\Acme|*.log\r\n";
  const Winapp2Summary summary =
      ImportWinapp2(ctx,
                    "[Eight On" + keys + "DetectOS=6.2|\r\n[Ten Only" + keys +
                        "DetectOS=10.0|10.0\r\n" + "[Seven Down" + keys +
                        "DetectOS=|6.1\r\n[Unreadable" + keys + "DetectOS=x|\r\n[Con" + keys,
                    false);
  EXPECT_EQ(summary.converted, 2);
  EXPECT_EQ(summary.notInstalled, 2);
  EXPECT_TRUE(os.files.Exists(PluginPath("Eight On")));
  EXPECT_TRUE(os.files.Exists(PluginPath("Ten Only")));
  EXPECT_EQ(summary.refusals, std::vector<std::string>{"Con: a name Windows cannot give a file"});
}

// A second import replaces its own files; a plugin of the same name from elsewhere stays.
TEST_F(Winapp2Test, ImportingAgainReplacesOnlyImportedFiles) {
  machine.WriteFile(PluginPath("OE Classic"), "[Info]\r\nTitle = OE Classic\r\nDelFile1=x\r\n");
  Import();
  const std::string everything = machine.ReadFile(PluginPath("Everything"));
  machine.WriteFile(PluginPath("Everything"), everything.substr(0, everything.find("DelFile")));

  const Winapp2Summary again = Import();
  EXPECT_EQ(again.converted, 3);
  EXPECT_EQ(again.refusals,
            std::vector<std::string>{"OE Classic *: a plugin of that name is already there"});
  EXPECT_EQ(machine.ReadFile(PluginPath("OE Classic")),
            "[Info]\r\nTitle = OE Classic\r\nDelFile1=x\r\n");
  EXPECT_EQ(machine.ReadFile(PluginPath("Everything")), everything);
}

// Keys and paths the plugins could not mean exactly are refused with the reason, never guessed.
TEST(Winapp2Conversion, RefusesWhatItCannotExpress) {
  const std::pair<const char*, const char*> cases[] = {
      {"FileKey1=%Public%\\Docs|*.tmp", "the variable %Public% names no folder the plugins know"},
      {"FileKey1=C:\\A|*.tmp|RECURSE|REMOVESELF", "REMOVESELF: plugins erase files, not folders"},
      {"FileKey1=C:\\A", "a FileKey without a pattern"},
      {"FileKey1=C:\\A,B|*.tmp", "a comma in a path"},
      {"FileKey1=C:\\Program Files\\%AppData%\\x|*", "%appdata% stands inside a path"},
      {"RegKey1=HKCC\\Software\\A", "the registry root HKCC"},
      {"RegKey1=HKCU\\Software\\A*", "a comma or wildcard in a registry key"},
      {"FileKey1=C:\\A|*.tmp\r\nExcludeKey1=REG|HKCU\\Software\\A", "a REG exclusion"},
      {"SpecialDetect=DET_CHROME\r\nFileKey1=C:\\A|*.tmp", "the key SpecialDetect"},
      {"Detect=HKCU\\Software\\A", "nothing to erase"},
  };
  for (const auto& [keys, reason] : cases) {
    const auto entries = ParseWinapp2("[Entry *]\r\n" + std::string(keys) + "\r\n");
    ASSERT_EQ(entries.size(), 1u);
    const Winapp2Conversion conversion = ConvertWinapp2Entry(entries[0]);
    EXPECT_EQ(conversion.refusal, reason) << keys;
    EXPECT_EQ(conversion.plugin, "") << keys;
  }
}

}  // namespace
}  // namespace quellorn
