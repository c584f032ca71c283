#include "ui/netscape_folder_window.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

class NetscapeFolderWindowTest : public testing::ContextTest {
 protected:
  std::string Saved() { return ctx.settingsFile.GetSetting("Browser", "nc4dir"); }
};

TEST_F(NetscapeFolderWindowTest, ShowsTheSavedFolderOrUnknownValue) {
  frmFindNcDir window(ctx);
  window.Load();
  EXPECT_TRUE(window.visible());
  EXPECT_EQ(window.txtNc4Dir, "unknown value");
  ctx.settingsFile.SaveSetting("BROWSER", "NC4DIR", "D:\\Netscape");
  window.Load();
  EXPECT_EQ(window.txtNc4Dir, "D:\\Netscape");
}

TEST_F(NetscapeFolderWindowTest, OnlyItsOwnOkSavesTheFolderAsTyped) {
  machine.MakeFolder(machine.root() + "\\Program Files\\Netscape\\Users");
  frmFindNcDir window(ctx);
  window.Load();
  frmFinddir chooser = window.cmdBroswerClick();
  EXPECT_EQ(chooser.Drive1(), "c:");
  EXPECT_EQ(chooser.Dir1Path(), "C:\\");
  // The test machine's root lies on drive C: below one or more folders.
  for (std::string_view rest = std::string_view(machine.root()).substr(3); !rest.empty();) {
    const std::size_t slash = rest.find('\\');
    chooser.Dir1Open(rest.substr(0, slash));
    rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
  }
  ASSERT_EQ(chooser.Dir1Path(), machine.root());
  chooser.Dir1Open("Program Files");
  EXPECT_EQ(chooser.Dir1Subfolders(), std::vector<std::string>{"Netscape"});
  chooser.Dir1Open("Netscape");
  chooser.Command1Click();
  EXPECT_FALSE(chooser.visible());
  EXPECT_EQ(window.txtNc4Dir, machine.root() + "\\Program Files\\Netscape");
  EXPECT_EQ(Saved(), "unknown value");

  window.Command2Click();
  EXPECT_FALSE(window.visible());
  EXPECT_EQ(Saved(), "unknown value");

  window.Load();
  window.txtNc4Dir = "Q:\\no such folder";
  window.Command1Click();
  EXPECT_EQ(Saved(), "Q:\\no such folder");
  EXPECT_FALSE(window.visible());
}

TEST_F(NetscapeFolderWindowTest, ChooserExitChangesNothing) {
  frmFindNcDir window(ctx);
  window.Load();
  frmFinddir chooser = window.cmdBroswerClick();
  chooser.Dir1Open("no such folder");
  EXPECT_EQ(chooser.Dir1Path(), "C:\\");
  chooser.Command2Click();
  EXPECT_EQ(window.txtNc4Dir, "unknown value");
}

TEST_F(NetscapeFolderWindowTest, ChooserWalksUpToTheRootAndAcrossDrives) {
  std::string unused;
  frmFinddir chooser(os.files, unused);
  chooser.Load();
  const std::vector<std::string> drives = chooser.Drive1List();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), "c:");
  chooser.Dir1Open(std::string_view(machine.root()).substr(3, machine.root().find('\\', 3) - 3));
  EXPECT_NE(chooser.Dir1Path(), "C:\\");
  chooser.Dir1OpenParent();
  EXPECT_EQ(chooser.Dir1Path(), "C:\\");
  chooser.Dir1OpenParent();
  EXPECT_EQ(chooser.Dir1Path(), "C:\\");
  chooser.Drive1Change("C:");
  EXPECT_EQ(chooser.Drive1(), "c:");
  chooser.Drive1Change("");
  EXPECT_EQ(chooser.Drive1(), "c:");
}

}  // namespace
}  // namespace quellorn
