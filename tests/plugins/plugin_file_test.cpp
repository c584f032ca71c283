#include "plugins/plugin_file.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "plugins/plugin_folder.h"
#include "primitives/reg_path.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

class PluginFileTest : public testing::ContextTest {
 protected:
  clsIniFile Item(const std::string& text) {
    machine.WriteFile(ProgramFile("plugins\\item.qk"), text);
    return clsIniFile(os.files, ProgramFile("plugins\\item.qk"));
  }
};

TEST_F(PluginFileTest, FamiliesEndAtTheFirstMissingNumber) {
  const clsIniFile item =
      Item("[Info]\r\nDelFile1=C:\\a\\*.tmp\r\nDelFile3=C:\\c\\*.tmp\r\ndelfile2x=no\r\n");
  EXPECT_EQ(ReadFamily(item, "DelFile"), std::vector<std::string>{"C:\\a\\*.tmp"});
  EXPECT_EQ(ReadAction(item, "DelFile", 3), "C:\\c\\*.tmp");
  EXPECT_EQ(ReadAction(item, "DelRegKey", 1), std::nullopt);
  const std::string path = "C:\\" + std::string(300, 'p');
  EXPECT_EQ(ReadAction(Item("[Info]\r\nDelFile1=" + path + "\r\n"), "DelFile", 1),
            path.substr(0, 254))
      << "long values are cut";
}

TEST_F(PluginFileTest, DescriptiveKeysReadAsTheListsShowThemAndSelectionAsANumber) {
  const PluginInfo info = ReadPluginInfo(
      Item("[Info]\r\nTitle = Player\r\nDescription = Recent files\r\nProvider =Custom Item "
           "\r\nType=File\r\nSelected = 1\r\nVersion = 3.0 \r\n"));
  EXPECT_EQ(info.title, "Player");
  EXPECT_EQ(info.description, "Recent files");
  EXPECT_EQ(info.provider, "Custom Item");
  EXPECT_EQ(info.type, "File");
  EXPECT_EQ(info.selected, "1");
  EXPECT_EQ(info.version, "3.0");
  EXPECT_EQ(ReadPluginInfo(Item("[Info]\r\n")).title, "unknown value");
  // The selection reads the leading number.
  EXPECT_EQ(SelectedValue(Item("[Info]\r\nTitle = t\r\n")), 0);
  EXPECT_EQ(SelectedValue(Item("[info]\r\nselected = 1\r\n")), 1);
  EXPECT_EQ(SelectedValue(Item("[Info]\r\nSelected = 0 \r\n")), 0);
  EXPECT_EQ(SelectedValue(Item("[Info]\r\nSelected = yes\r\n")), 0);
  EXPECT_EQ(SelectedValue(clsIniFile(os.files, ProgramFile("plugins\\absent.qk"))), 0);
}

TEST_F(PluginFileTest, MacrosNameTheUsersFolders) {
  system.windowsFolder = "C:\\WINDOWS";
  system.userName = "joe";
  machine.LoadReg(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
      "Folders]\r\n\"AppData\"=\"C:\\\\Documents and Settings\\\\joe\\\\Application Data\"\r\n");
  const std::string temp = ExpandFolderMacros(ctx, "%win%\\Temp\\*.tmp");
  EXPECT_EQ(GetFolderPart(temp), "C:\\WINDOWS\\Temp\\");
  EXPECT_EQ(GetLastPart(temp), "*.tmp");
  EXPECT_EQ(ExpandFolderMacros(ctx, "%win%"), "C:\\WINDOWS\\");
  EXPECT_EQ(ExpandFolderMacros(ctx, "%appdata%\\Player\\cache\\*.*"),
            "C:\\Documents and Settings\\joe\\Application Data\\Player\\cache\\*.*");
  // Only at the start: further in, a macro is a plain name and the path stays where it is.
  for (const char* plain : {"C:\\plain\\x.txt", "C:\\Backup\\%appdata%\\*.*", "C:\\x\\%win%\\a"})
    EXPECT_EQ(ExpandFolderMacros(ctx, plain), plain);
  EXPECT_EQ(ExpandUserName(ctx, "C:\\Users\\%username%\\%username%.log,Subfolder"),
            "C:\\Users\\joe\\joe.log,Subfolder");
  EXPECT_EQ(ExpandUserName(ctx, "C:\\Users\\%USERNAME%\\x"), "C:\\Users\\%USERNAME%\\x");
}

TEST(PluginWriters, FileItemsHaveTheirExactLines) {
  const FileItem item{"Temp", "Old files", {"C:\\T\\*.tmp,Subfolder", "C:\\a.log"}, {"C:\\T\\k"}};
  const std::string actions =
      "\r\nDelFile1=C:\\T\\*.tmp,Subfolder\r\nDelFile2=C:\\a.log\r\nExFile1=C:\\T\\k\r\n";
  EXPECT_EQ(FileItemText(item, ItemWrite::kNew),
            "[Info]\r\nTitle = Temp\r\nDescription = Old files\r\nType=File\r\n"
            "Provider =Custom Item \r\nSelected = 1\r\nVersion = 3.0 \r\n" +
                actions);
  EXPECT_EQ(FileItemText(item, ItemWrite::kExisting),
            "[Info]\r\nTitle = Temp\r\nDescription =Old files\r\nProvider =Custom Item \r\n"
            "Type=File\r\nSelected = 0\r\nVersion = 3.0 \r\n" +
                actions);
  EXPECT_EQ(
      FileItemText(item, ItemWrite::kTest),
      "[Info]\r\nTitle = Temp\r\nDescription = \"\r\nSelected = 1\r\nVersion = 3.0 \r\n" + actions);
}

TEST(PluginWriters, RegistryItemsWriteTheirFamiliesInOrder) {
  RegistryItem item{"Reg", "Keys", "0", {"K1"}, {"L1,f"}, {"V1,all", "V2,x"}, {"D1,v"}};
  const std::string actions =
      "\r\nDelRegKey1=K1\r\nDelRegKeyList1=L1,f\r\nDelRegValueList1=V1,all\r\n"
      "DelRegValueList2=V2,x\r\nDelRegValue1=D1,v\r\n";
  EXPECT_EQ(RegistryItemText(item, ItemWrite::kNew),
            "[Info]\r\nTitle = Reg\r\nDescription = Keys\r\nProvider =Custom Item \r\n"
            "Selected = 1\r\nType=Reg\r\nVersion = 3.0 \r\n" +
                actions);
  EXPECT_EQ(RegistryItemText(item, ItemWrite::kExisting),
            "[Info]\r\nTitle = Reg\r\nDescription = Keys\r\nProvider =Custom Item \r\n"
            "Selected = 0\r\nType=Reg\r\nVersion = 3.0 \r\n" +
                actions);
  EXPECT_EQ(RegistryItemText(item, ItemWrite::kTest),
            "[Info]\r\nTitle = Reg\r\nDescription = Keys\r\nSelected = 1\r\nVersion = 3.0 \r\n" +
                actions);
}

TEST(PluginFolder, DisplayNamesDropTheExtension) {
  EXPECT_EQ(ItemDisplayName("Media Player.qk"), "Media Player");
  EXPECT_EQ(ItemDisplayName(".qk"), "");
  EXPECT_EQ(ItemDisplayName("qk"), "");
}

}  // namespace
}  // namespace quellorn
