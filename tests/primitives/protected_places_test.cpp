#include "primitives/protected_places.h"

#include <gtest/gtest.h>

#include "plugins/plugin_fixture.h"
#include "plugins/plugin_runner.h"
#include "primitives/file_eraser.h"
#include "primitives/reg_path.h"

namespace quellorn {
namespace {

// A machine whose Windows folder, profile and Program Files lie in the test's own folder, so
// that a rule that fails to hold destroys nothing but the test's files.
class ProtectedPlacesTest : public testing::PluginTest {
 protected:
  static constexpr const char* kFiles[] = {"WINDOWS\\win.ini", "Users\\joe\\Desktop\\note.txt",
                                           "Program Files\\App\\a.exe", "Quellorn\\settings.dat"};
  static constexpr std::string_view kTop = "HKEY_CURRENT_USER\\QuellornTest-Protected";

  void SetUp() override {
    system.windowsFolder = At("WINDOWS");
    machine.LoadReg(std::string("REGEDIT4\r\n\r\n[") + std::string(kShellFoldersPath) +
                    "]\r\n\"Desktop\"=\"$ROOT\\\\Users\\\\joe\\\\Desktop\"\r\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\r\n"
                    "\"ProgramFilesDir\"=\"$ROOT\\\\Program Files\"\r\n[" +
                    std::string(kTop) + "\\Below]\r\n");
    for (const char* file : kFiles)
      Make(file, "kept");
  }
  void Run(EraseMode mode, std::string_view line) {
    view.progress.clear();
    ctx.run.mode = mode;
    RunPluginItem(ctx, Plugin(std::string(line) + "\r\n"));
  }
  static constexpr std::string_view kShellFoldersPath =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
};

TEST_F(ProtectedPlacesTest, FileActionsRefuseTheProgramsFilesAndWholeSystemFolders) {
  Make("WINDOWS\\old.log", "gone");
  const std::string program = "Refused: " + programFolder + " belongs to the program";
  const auto refused = [this](std::string_view folder) {
    return "Refused: " + (folder.ends_with(':') ? std::string(folder) + "\\" : At(folder)) +
           " is a protected folder";
  };
  const std::pair<std::string, std::string> cases[] = {
      {ProgramFile("*.*"), program},
      {ProgramFile("settings.dat"), program},
      {ProgramFile("custom\\*.qk"),
       "Refused: " + ProgramFile("custom") + " belongs to the program"},
      {At("WINDOWS\\*.*"), refused("WINDOWS")},
      {At("Temp\\..\\windows\\.\\*.ini,Subfolder"), refused("windows")},
      {At("Users\\joe\\*.dat,Subfolder"), refused("Users\\joe")},
      {At("Users\\*.*,Subfolder"), refused("Users")},
      {At("Program Files\\*.exe,Subfolder"), refused("Program Files")},
      {"C:\\*.*", refused("C:")},
      {At("WINDOWS\\*.log"), "Erasing " + At("WINDOWS\\old.log") + " <OK>"},
  };
  for (const auto& [line, shown] : cases) {
    Run(EraseMode::kErase, "DelFile1=" + line);
    EXPECT_EQ(view.progress, std::vector<std::string>{shown}) << line;
  }
  for (const char* file : kFiles)
    EXPECT_EQ(Read(file), "kept") << file;
  EXPECT_NE(Log().find(refused("WINDOWS") + "\r\n"), std::string::npos);

  view.progress.clear();
  EraseFolderTree(ctx, At("Users\\joe\\Desktop"));
  EraseSubfolders(ctx, At("Users"));
  EXPECT_FALSE(EraseFile(ctx, programFolder));
  EXPECT_FALSE(EraseFile(ctx, At("Program Files\\")));
  EXPECT_EQ(view.progress,
            (std::vector<std::string>{refused("Users\\joe\\Desktop"), refused("Users"), program,
                                      refused("Program Files")}));
  for (const char* file : kFiles)
    EXPECT_TRUE(Exists(file)) << file;
}

TEST_F(ProtectedPlacesTest, RegistryActionsRefuseARootAndTheKeysRightBelowOne) {
  const std::string top(kTop);
  const std::string refused = "Refused: " + top + " is a protected registry key";
  const struct {
    EraseMode mode;
    std::string line, shown;
  } cases[] = {
      {EraseMode::kErase, "DelRegKey1=" + top, refused},
      {EraseMode::kErase, "DelRegKey1=" + top + "\\", refused},
      {EraseMode::kErase, "DelRegKeyList1=HKEY_CURRENT_USER\\,QuellornTest-Protected", refused},
      // Keys no test may risk: a test run shows the refusal just the same.
      {EraseMode::kTest, "DelRegKey1=HKEY_LOCAL_MACHINE\\SOFTWARE",
       "Test Mode: Refused: HKEY_LOCAL_MACHINE\\SOFTWARE is a protected registry key"},
      {EraseMode::kTest, "DelRegKey1=HKEY_CURRENT_USER\\",
       "Test Mode: Refused: HKEY_CURRENT_USER is a protected registry key"},
      {EraseMode::kErase, "DelRegKey1=" + top + "\\Below",
       "Erasing Registry Key: " + top + "\\Below <OK>"},
  };
  for (const auto& c : cases) {
    Run(c.mode, c.line);
    EXPECT_EQ(view.progress, std::vector<std::string>{c.shown}) << c.line;
  }
  platform::RegKey key;
  EXPECT_EQ(platform::RegKey::Open(os.registry, platform::kCurrentUser, GetSubkeyPath(top), key),
            platform::kSuccess);
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
}

}  // namespace
}  // namespace quellorn
