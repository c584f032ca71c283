#include "ui/netscape_folder_window.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

using ui::NetscapeFolderChooser;
using ui::NetscapeFolderWindow;

class NetscapeFolderWindowTest : public testing::ContextTest {
 protected:
  NetscapeFolderWindowTest() { window.Load(); }

  std::string Saved() { return ctx.settingsFile.GetSetting("Browser", "nc4dir"); }

  NetscapeFolderWindow window{ctx};
};

TEST_F(NetscapeFolderWindowTest, OnlyItsOwnOkSavesTheFolderAsTyped) {
  machine.MakeFolder(machine.root() + "\\Program Files\\Netscape\\Users");
  NetscapeFolderChooser chooser = window.OnBrowse();
  EXPECT_EQ(chooser.drive(), "c:");
  EXPECT_EQ(chooser.folder(), "C:\\");
  OpenMachineRoot([&](std::string_view name) { chooser.OnOpenFolder(name); });
  ASSERT_EQ(chooser.folder(), machine.root());
  chooser.OnOpenFolder("Program Files");
  EXPECT_EQ(chooser.Subfolders(), std::vector<std::string>{"Netscape"});
  chooser.OnOpenFolder("Netscape");
  chooser.OnOk();
  EXPECT_TRUE(chooser.closed());
  EXPECT_EQ(window.folderText, machine.root() + "\\Program Files\\Netscape");
  window.OnExit();
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(Saved(), "unknown value");

  window.Load();
  window.folderText = "Q:\\no such folder";
  window.OnOk();
  EXPECT_EQ(Saved(), "Q:\\no such folder");
  EXPECT_TRUE(window.closed());
}

// The window shows the saved folder, or "unknown value".
TEST_F(NetscapeFolderWindowTest, ChooserWalksUpToTheRootAndAcrossDrivesAndExitChangesNothing) {
  EXPECT_FALSE(window.closed());
  EXPECT_EQ(window.folderText, "unknown value");
  NetscapeFolderChooser chooser = window.OnBrowse();
  ASSERT_FALSE(chooser.Drives().empty());
  EXPECT_EQ(chooser.Drives().front(), "c:");
  OpenMachineRoot([&](std::string_view name) { chooser.OnOpenFolder(name); });
  for (std::string parent = chooser.folder(); chooser.folder() != "C:\\"; chooser.OnOpenParent()) {
    ASSERT_EQ(chooser.folder(), parent);
    parent.resize(std::max<std::size_t>(parent.rfind('\\'), 3));
  }
  chooser.OnOpenParent();
  EXPECT_EQ(chooser.folder(), "C:\\");
  chooser.OnDriveChange("C:");
  EXPECT_EQ(chooser.drive(), "c:");
  chooser.OnDriveChange("");
  EXPECT_EQ(chooser.drive(), "c:");
  chooser.OnOpenFolder("no such folder");
  EXPECT_EQ(chooser.folder(), "C:\\");
  chooser.OnExit();
  EXPECT_EQ(window.folderText, "unknown value") << "Exit changes nothing";
  ctx.settingsFile.SaveSetting("BROWSER", "NC4DIR", "D:\\Netscape");
  window.Load();
  EXPECT_EQ(window.folderText, "D:\\Netscape");
}

}  // namespace
}  // namespace quellorn
