#include "core/ini_file.h"

#include <gtest/gtest.h>

#include "core/file_text.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

class IniFileTest : public testing::ContextTest {
 protected:
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    auto listing = os.files.List(programFolder);
    for (platform::DirEntry entry; listing && listing->Next(entry);)
      names.push_back(entry.name);
    return names;
  }

  std::string path = ProgramFile("test.ini");
  clsIniFile ini{os.files, path};
};

TEST_F(IniFileTest, ReadsValuesAsTheProfileFunctionsAnswer) {
  EXPECT_EQ(ini.GetSetting("General", "Missing"), "unknown value");
  EXPECT_FALSE(os.files.Exists(path)) << "reading makes no file";
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
  // Files of older installations are Windows-1252.
  machine.WriteFile(path, "[Info]\r\nTitle=Caf\xE9\r\n");
  EXPECT_EQ(ini.GetSetting("Info", "Title"), "Caf\xC3\xA9");
}

TEST_F(IniFileTest, SaveCreatesFileSectionAndKey) {
  EXPECT_NE(ini.SaveSetting("Info", "Selected", "0"), 0);
  EXPECT_NE(ini.SaveSetting("info", "Title", "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"), 0);
  EXPECT_EQ(machine.ReadFile(path),
            "[Info]\r\nSelected=0\r\nTitle=Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\r\n");
  EXPECT_EQ(ini.GetSetting("INFO", "title"), "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");
  ini.EraseSection("info");
  EXPECT_EQ(machine.ReadFile(path), "") << "the section goes with its keys";
}

TEST_F(IniFileTest, FailedRewritesKeepTheFileWholeAndLeaveNothingBeside) {
  const std::string content = "[IE]\r\nCookies=1\r\nCache=1\r\n[Old]\r\nx=1\r\n";
  enum class Fault { kFullDisk, kLockedFile, kReadOnlyFile };
  for (Fault fault : {Fault::kFullDisk, Fault::kLockedFile, Fault::kReadOnlyFile}) {
    os.files.SetAttributes(path, platform::attr::kNormal);
    machine.WriteFile(path, content);
    faults = {};
    if (fault == Fault::kFullDisk) faults.fullDisk = programFolder;
    if (fault == Fault::kLockedFile) faults.unreplaceable.insert(path);
    if (fault == Fault::kReadOnlyFile) os.files.SetAttributes(path, platform::attr::kReadOnly);
    const int which = static_cast<int>(fault);
    EXPECT_EQ(ini.SaveSetting("IE", "History", "1"), 0) << which;
    EXPECT_EQ(ini.EraseSection("Old"), 0) << which;
    EXPECT_EQ(machine.ReadFile(path), content) << which;
    EXPECT_EQ(Names(), std::vector<std::string>{"test.ini"}) << which;
  }
  os.files.SetAttributes(path, platform::attr::kNormal);
}

TEST_F(IniFileTest, Utf16FilesAreReadAndRewrittenAsUtf16) {
  const std::string cafe = "Caf\xC3\xA9 \xE6\x97\xA5";
  machine.WriteFile(path, EncodeText("[Info]\r\nTitle = " + cafe + "\r\n", TextEncoding::kUtf16Le));
  EXPECT_EQ(ini.GetSetting("info", "title"), cafe);
  EXPECT_NE(ini.SaveSetting("Info", "Selected", "0"), 0);
  EXPECT_EQ(machine.ReadFile(path),
            EncodeText("[Info]\r\nTitle = " + cafe + "\r\nSelected=0\r\n", TextEncoding::kUtf16Le));
  EXPECT_EQ(ini.Snapshot().GetSetting("Info", "Selected"), "0");
}

TEST_F(IniFileTest, SnapshotAnswersFromOneReadingAndSeesItsOwnSaves) {
  machine.WriteFile(path, "[A]\r\nx=1\r\ny=1\r\n");
  clsIniFile snapshot = ini.Snapshot();
  machine.WriteFile(path, "[A]\r\nx=2\r\n");
  EXPECT_EQ(snapshot.GetSetting("a", "X"), "1");
  EXPECT_EQ(snapshot.GetSetting("A", "y"), "1");
  EXPECT_NE(snapshot.SaveSetting("B", "z", "3"), 0);
  EXPECT_EQ(snapshot.GetSetting("A", "x"), "2");
  EXPECT_EQ(snapshot.GetSetting("A", "y"), "unknown value");
  EXPECT_EQ(snapshot.GetSetting("B", "z"), "3");
  EXPECT_EQ(ini.GetSetting("B", "z"), "3");
}

}  // namespace
}  // namespace quellorn
