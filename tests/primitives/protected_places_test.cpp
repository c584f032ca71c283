#include "primitives/protected_places.h"

#include <gtest/gtest.h>

#include "plugins/plugin_fixture.h"
#include "plugins/plugin_runner.h"
#include "primitives/file_api.h"
#include "primitives/reg_path.h"

namespace quellorn {
namespace {

// A machine whose Windows folder, profile and Program Files lie in the test's own folder, so
// that a rule that fails to hold destroys nothing but the test's files.
class ProtectedPlacesTest : public testing::PluginTest {
 protected:
  static constexpr const char* kFiles[] = {
      "WINDOWS\\win.ini",          "Users\\joe\\ntuser.dat", "Users\\joe\\Desktop\\note.txt",
      "Program Files\\App\\a.exe", "Quellorn\\settings.dat", "Quellorn\\Custom\\mine.qk"};
  static constexpr std::string_view kTop = "HKEY_CURRENT_USER\\QuellornTest-Protected";

  void SetUp() override {
    system.windowsFolder = Path("WINDOWS");
    machine.LoadReg(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
        "Folders]\r\n\"Desktop\"=\"$ROOT\\\\Users\\\\joe\\\\Desktop\"\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\r\n"
        "\"ProgramFilesDir\"=\"$ROOT\\\\Program Files\"\r\n"
        "[" +
        std::string(kTop) + "\\Below]\r\n");
    for (const char* file : kFiles)
      machine.WriteFile(Path(file), "kept");
  }
  void Run(std::string_view mode, std::string_view line) {
    view.progress.clear();
    ctx.eraseMode = mode;
    RunPluginItem(ctx, Plugin(std::string(line) + "\r\n"));
  }
};

TEST_F(ProtectedPlacesTest, FileActionsRefuseTheProgramsFilesAndWholeSystemFolders) {
  machine.WriteFile(Path("WINDOWS\\old.log"), "gone");
  const std::string program = "Refused: " + programFolder + " belongs to the program";
  const std::string windows = "Refused: " + Path("WINDOWS") + " is a protected folder";
  const struct {
    std::string mode, line, shown;
  } cases[] = {
      {"erase", "DelFile1=" + ProgramFile("*.*"), program},
      {"erase", "DelFile1=" + ProgramFile("settings.dat"), program},
      {"erase", "DelFile1=" + ProgramFile("custom\\*.qk"),
       "Refused: " + ProgramFile("custom") + " belongs to the program"},
      {"erase", "DelFile1=" + Path("WINDOWS\\*.*"), windows},
      {"erase", "DelFile1=" + Path("Temp\\..\\windows\\.\\*.ini,Subfolder"),
       "Refused: " + Path("windows") + " is a protected folder"},
      {"erase", "DelFile1=" + Path("Users\\joe\\*.dat,Subfolder"),
       "Refused: " + Path("Users\\joe") + " is a protected folder"},
      {"erase", "DelFile1=" + Path("Users\\*.*,Subfolder"),
       "Refused: " + Path("Users") + " is a protected folder"},
      {"erase", "DelFile1=" + Path("Program Files\\*.exe,Subfolder"),
       "Refused: " + Path("Program Files") + " is a protected folder"},
      {"test", "DelFile1=C:\\*.*", "Test Mode: Refused: C:\\ is a protected folder"},
      {"erase", "DelFile1=" + Path("WINDOWS\\*.log"),
       "Erasing " + Path("WINDOWS\\old.log") + " <OK>"},
  };
  for (const auto& c : cases) {
    Run(c.mode, c.line);
    EXPECT_EQ(view.progress, std::vector<std::string>{c.shown}) << c.line;
  }
  for (const char* file : kFiles)
    EXPECT_EQ(machine.ReadFile(Path(file)), "kept") << file;
  EXPECT_FALSE(os.files.Exists(Path("WINDOWS\\old.log")));
  EXPECT_NE(Log().find(windows + "\r\n"), std::string::npos);
}

TEST_F(ProtectedPlacesTest, BuiltInWalksRefuseWholeProtectedFolders) {
  ctx.eraseMode = "erase";
  EraseFolderTree(ctx, Path("Users\\joe\\Desktop"));
  EraseSubfolders(ctx, Path("Users"));
  EXPECT_FALSE(EraseFile(ctx, programFolder));
  EXPECT_FALSE(EraseFile(ctx, Path("WINDOWS\\")));
  EXPECT_EQ(view.progress, (std::vector<std::string>{
                               "Refused: " + Path("Users\\joe\\Desktop") + " is a protected folder",
                               "Refused: " + Path("Users") + " is a protected folder",
                               "Refused: " + programFolder + " belongs to the program",
                               "Refused: " + Path("WINDOWS") + " is a protected folder"}));
  for (const char* file : kFiles)
    EXPECT_TRUE(os.files.Exists(Path(file))) << file;
}

TEST_F(ProtectedPlacesTest, RegistryActionsRefuseARootAndTheKeysRightBelowOne) {
  const std::string top(kTop);
  const std::string refused = "Refused: " + top + " is a protected registry key";
  const struct {
    std::string mode, line, shown;
  } cases[] = {
      {"erase", "DelRegKey1=" + top, refused},
      {"erase", "DelRegKey1=" + top + "\\", refused},
      {"erase", "DelRegKeyList1=HKEY_CURRENT_USER\\,QuellornTest-Protected", refused},
      {"test", "DelRegKey1=HKEY_LOCAL_MACHINE\\SOFTWARE",
       "Test Mode: Refused: HKEY_LOCAL_MACHINE\\SOFTWARE is a protected registry key"},
      {"test", "DelRegKey1=HKEY_CURRENT_USER\\",
       "Test Mode: Refused: HKEY_CURRENT_USER is a protected registry key"},
      {"erase", "DelRegKey1=" + top + "\\Below", "Erasing Registry Key: " + top + "\\Below <OK>"},
  };
  for (const auto& c : cases) {
    Run(c.mode, c.line);
    EXPECT_EQ(view.progress, std::vector<std::string>{c.shown}) << c.line;
  }
  platform::RegKey key;
  EXPECT_EQ(platform::RegKey::Open(os.registry, platform::kCurrentUser, GetSubkeyPath(top), key),
            platform::kSuccess);
  EXPECT_EQ(ctx.totals.registryKeys, 1);
}

}  // namespace
}  // namespace quellorn
