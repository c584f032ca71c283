#include "plugins/path_macros.h"

#include <gtest/gtest.h>

#include "plugins/plugin_fixture.h"
#include "plugins/plugin_runner.h"

namespace quellorn {
namespace {

class PathMacrosTest : public testing::PluginTest {
 protected:
  PathMacrosTest() {
    system.environment = {{"USERPROFILE", At("Users\\joe")},
                          {"TEMP", At("Users\\joe\\Temp\\")},
                          {"ProgramFiles(x86)", "C:\\Program Files (x86)"},
                          {"SystemDrive", "C:"}};
  }
};

// A macro's folder comes from the shell folders, then from the stored ones with their
// variables replaced, then from the environment; a name it does not know makes the path unusable.
TEST_F(PathMacrosTest, MacrosNameTheUsersFoldersAndUnknownOnesNameNothing) {
  ShellFolders({{"Local AppData", "Users\\joe\\AppData\\Local"}, {"AppData", "Roaming"}});
  const std::string local = At("Users\\joe\\AppData\\Local");
  const struct {
    const char* path;
    std::string expanded;
    const char* unknown;
  } cases[] = {
      {"%LocalAppData%\\Google\\*.db", local + "\\Google\\*.db", ""},
      {"%TEMP%\\*.tmp", At("Users\\joe\\Temp") + "\\*.tmp", ""},
      {"%programfiles(x86)%\\App\\log.txt", "C:\\Program Files (x86)\\App\\log.txt", ""},
      {"%systemdrive%\\x\\%userprofile%", "C:\\x\\" + At("Users\\joe"), ""},
      {"%appdata%\\Mozilla\\a.txt", At("Roaming") + "\\Mozilla\\a.txt", ""},
      {"C:\\plain\\100%\\a.txt", "C:\\plain\\100%\\a.txt", ""},
      {"%nosuch%\\a.txt", "", "%nosuch%"},
      {"C:\\a\\%APPDATA%\\b.txt", "", "%APPDATA%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const ExpandedPath expanded = ExpandPathMacros(ctx, c.path);
    EXPECT_EQ(expanded.path, c.expanded);
    EXPECT_EQ(expanded.unknown, c.unknown);
  }
  ShellFolders({{"Local AppData", nullptr}});
  Reg("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell "
      "Folders]\r\n\"Local AppData\"=\"%USERPROFILE%\\\\AppData\\\\Local2\"\r\n");
  EXPECT_EQ(ExpandPathMacros(ctx, "%localappdata%\\x").path, At("Users\\joe\\AppData\\Local2\\x"));
}

// A wildcard in a folder part takes each subfolder of that level, never a link; exclusions
// resolve the same way; an action with an unknown macro erases nothing and says why.
TEST_F(PathMacrosTest, FolderWildcardsTakeEachProfileAndSkipLinks) {
  ShellFolders({{"Local AppData", "Local"}});
  for (const char* name :
       {"Local\\P\\a1.default\\cache2\\e1", "Local\\P\\a1.default\\cache2\\d\\e2",
        "Local\\P\\b2.dev\\cache2\\e3", "Local\\P\\b2.dev\\cache2\\keep.bin",
        "Local\\P\\b2.dev\\places.sqlite", "Local\\P\\c3.old\\other\\e4"})
    Make(name);
  const std::string linked = machine.LinkedTree("folder_pattern");
  Plugin(
      "DelFile1=%localappdata%\\P\\*.*\\cache2\\*.*,Subfolder\r\n"
      "DelFile2=" +
      linked +
      "\\tree\\*\\*.txt\r\n"
      "DelFile3=%unknown%\\P\\*.*\r\n"
      "ExFile1=%LOCALAPPDATA%\\P\\*\\cache2\\keep.bin\r\n");
  RunPluginItem(ctx, clsIniFile(os.files, ProgramFile("plugins\\item.qk")));
  for (const char* gone : {"Local\\P\\a1.default\\cache2\\e1",
                           "Local\\P\\a1.default\\cache2\\d\\e2", "Local\\P\\b2.dev\\cache2\\e3"})
    EXPECT_FALSE(Exists(gone)) << gone;
  for (const char* kept : {"Local\\P\\b2.dev\\cache2\\keep.bin", "Local\\P\\b2.dev\\places.sqlite",
                           "Local\\P\\c3.old\\other\\e4"})
    EXPECT_TRUE(Exists(kept)) << kept;
  EXPECT_FALSE(os.files.Exists(linked + "\\tree\\nested\\n.txt"));
  EXPECT_EQ(machine.ReadFile(linked + "\\outside\\a.txt"), "alpha") << "the link was not followed";
  EXPECT_NE(Log().find("Skipped %unknown%\\P\\*.*: %unknown% names no folder <Failed>"),
            std::string::npos)
      << Log();
}

}  // namespace
}  // namespace quellorn
