#include "ui/netscape_folder_window.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

using ui::NetscapeFolderChooser;
using ui::NetscapeFolderWindow;

class NetscapeFolderWindowTest : public testing::ContextTest {
 protected:
  std::string Saved() { return ctx.settingsFile.GetSetting("Browser", "nc4dir"); }
};

TEST_F(NetscapeFolderWindowTest, ShowsTheSavedFolderOrUnknownValue) {
  NetscapeFolderWindow window(ctx);
  window.Load();
  EXPECT_FALSE(window.closed());
  EXPECT_EQ(window.folderText, "unknown value");
  ctx.settingsFile.SaveSetting("BROWSER", "NC4DIR", "D:\\Netscape");
  window.Load();
  EXPECT_EQ(window.folderText, "D:\\Netscape");
}

TEST_F(NetscapeFolderWindowTest, OnlyItsOwnOkSavesTheFolderAsTyped) {
  machine.MakeFolder(machine.root() + "\\Program Files\\Netscape\\Users");
  NetscapeFolderWindow window(ctx);
  window.Load();
  NetscapeFolderChooser chooser = window.OnBrowse();
  EXPECT_EQ(chooser.drive(), "c:");
  EXPECT_EQ(chooser.folder(), "C:\\");
  // The test machine's root lies on drive C: below one or more folders.
  for (std::string_view rest = std::string_view(machine.root()).substr(3); !rest.empty();) {
    const std::size_t slash = rest.find('\\');
    chooser.OnOpenFolder(rest.substr(0, slash));
    rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
  }
  ASSERT_EQ(chooser.folder(), machine.root());
  chooser.OnOpenFolder("Program Files");
  EXPECT_EQ(chooser.Subfolders(), std::vector<std::string>{"Netscape"});
  chooser.OnOpenFolder("Netscape");
  chooser.OnOk();
  EXPECT_TRUE(chooser.closed());
  EXPECT_EQ(window.folderText, machine.root() + "\\Program Files\\Netscape");
  EXPECT_EQ(Saved(), "unknown value");

  window.OnExit();
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(Saved(), "unknown value");

  window.Load();
  window.folderText = "Q:\\no such folder";
  window.OnOk();
  EXPECT_EQ(Saved(), "Q:\\no such folder");
  EXPECT_TRUE(window.closed());
}

TEST_F(NetscapeFolderWindowTest, ChooserExitChangesNothing) {
  NetscapeFolderWindow window(ctx);
  window.Load();
  NetscapeFolderChooser chooser = window.OnBrowse();
  chooser.OnOpenFolder("no such folder");
  EXPECT_EQ(chooser.folder(), "C:\\");
  chooser.OnExit();
  EXPECT_EQ(window.folderText, "unknown value");
}

TEST_F(NetscapeFolderWindowTest, ChooserWalksUpToTheRootAndAcrossDrives) {
  std::string unused;
  NetscapeFolderChooser chooser(os.files, unused);
  chooser.Load();
  const std::vector<std::string> drives = chooser.Drives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), "c:");
  chooser.OnOpenFolder(
      std::string_view(machine.root()).substr(3, machine.root().find('\\', 3) - 3));
  EXPECT_NE(chooser.folder(), "C:\\");
  chooser.OnOpenParent();
  EXPECT_EQ(chooser.folder(), "C:\\");
  chooser.OnOpenParent();
  EXPECT_EQ(chooser.folder(), "C:\\");
  chooser.OnDriveChange("C:");
  EXPECT_EQ(chooser.drive(), "c:");
  chooser.OnDriveChange("");
  EXPECT_EQ(chooser.drive(), "c:");
}

}  // namespace
}  // namespace quellorn
