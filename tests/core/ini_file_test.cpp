#include "core/ini_file.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

class IniFileTest : public testing::ContextTest {
 protected:
  std::string path = ProgramFile("test.ini");
  clsIniFile ini{os.files, path};
};

TEST_F(IniFileTest, MissingFileReadsAsMissingKeys) {
  EXPECT_EQ(ini.GetSetting("General", "Warning"), "unknown value");
  EXPECT_FALSE(os.files.Exists(path));
}

TEST_F(IniFileTest, ReadsValuesAsTheProfileFunctionsAnswer) {
  const std::string longValue(300, 'x');
  machine.WriteFile(path,
                    "[General]\r\n"
                    "Empty=\r\n"
                    "Quoted=\"a b\"\r\n"
                    "Single='c'\r\n"
                    "Lone=\"\r\n"
                    "Mixed=\"d'\r\n"
                    "Long=" +
                        longValue +
                        "\r\n"
                        "LongQuoted=\"" +
                        longValue + "\"\r\n");
  EXPECT_EQ(ini.GetSetting("General", "Empty"), "");
  EXPECT_EQ(ini.GetSetting("General", "Quoted"), "a b");
  EXPECT_EQ(ini.GetSetting("General", "Single"), "c");
  EXPECT_EQ(ini.GetSetting("General", "Lone"), "\"");
  EXPECT_EQ(ini.GetSetting("General", "Mixed"), "\"d'");
  EXPECT_EQ(ini.GetSetting("General", "Long"), longValue.substr(0, 254));
  EXPECT_EQ(ini.GetSetting("General", "LongQuoted"), longValue.substr(0, 254));
  EXPECT_EQ(ini.GetSetting("General", "Missing"), "unknown value");
}

TEST_F(IniFileTest, SaveCreatesFileSectionAndKey) {
  EXPECT_NE(ini.SaveSetting("Info", "Selected", "0"), 0);
  EXPECT_NE(ini.SaveSetting("info", "Title", "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"), 0);
  EXPECT_EQ(machine.ReadFile(path),
            "[Info]\r\nSelected=0\r\nTitle=Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\r\n");
  EXPECT_EQ(ini.GetSetting("INFO", "title"), "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");
}

TEST_F(IniFileTest, ReadsFilesOfOlderInstallationsAsWindows1252) {
  machine.WriteFile(path, "[Info]\r\nTitle=Caf\xE9\r\n");
  EXPECT_EQ(ini.GetSetting("Info", "Title"), "Caf\xC3\xA9");
}

TEST_F(IniFileTest, EraseSectionRemovesItWithItsKeys) {
  machine.WriteFile(path, "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  ini.EraseSection("a");
  EXPECT_EQ(ini.GetSetting("A", "x"), "unknown value");
  EXPECT_EQ(ini.GetSetting("B", "y"), "2");
}

TEST_F(IniFileTest, UnwritableFileReportsFailureAndKeepsItsContent) {
  machine.WriteFile(path, "[A]\r\nx=1\r\n");
  ASSERT_EQ(os.files.SetAttributes(path, platform::attr::kReadOnly), platform::kSuccess);
  EXPECT_EQ(ini.SaveSetting("A", "x", "2"), 0);
  EXPECT_EQ(ini.GetSetting("A", "x"), "1");
  os.files.SetAttributes(path, platform::attr::kNormal);
}

}  // namespace
}  // namespace quellorn
