// Shell operations of the portable back end on the host: links are never followed, recycle
// bins are folders, started programs are logged.

#include "platform/portable/shell_portable.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/machine_folder.h"

namespace quellorn::platform {
namespace {

using testing::MachineFolder;

class PortableShellTest : public ::testing::Test {
 protected:
  Shell& shell() { return machine_->platform().shell; }
  std::filesystem::path Host(const std::string& name) const { return folder_.DriveC() / name; }

  // A folder beside drive C with files, a read-only file and a read-only subfolder.
  std::filesystem::path MakeOutside() const {
    std::filesystem::path outside = folder_.path() / "outside";
    folder_.Write(outside / "a.txt", "outside a");
    folder_.Write(outside / "sub" / "b.txt", "outside b");
    folder_.Write(outside / "ro.txt", "read-only");
    ::chmod((outside / "ro.txt").c_str(), 0444);
    ::chmod((outside / "sub").c_str(), 0555);
    return outside;
  }

  MachineFolder folder_;
  std::unique_ptr<PortableMachine> machine_ = folder_.Open();
};

// A folder with links in it, and a link itself.
TEST_F(PortableShellTest, DeleteRemovesLinksAndNeverWhatTheyPointTo) {
  std::filesystem::path outside = MakeOutside();
  const auto before = testing::HostTree(outside);
  folder_.Write(Host("tree/own.txt"), "own");
  std::filesystem::create_directory_symlink(outside, Host("tree/folder-link"));
  std::filesystem::create_directory_symlink(outside / "sub", Host("tree/deeper-link"));
  std::filesystem::create_symlink(outside / "a.txt", Host("tree/file-link"));
  std::filesystem::create_symlink(outside / "gone", Host("tree/dangling"));
  std::filesystem::create_directories(Host("tree/nested"));
  std::filesystem::create_directory_symlink(outside, Host("tree/nested/again"));
  std::filesystem::create_directory_symlink(outside, Host("link"));

  EXPECT_EQ(shell().Delete("C:\\tree"), kSuccess);
  EXPECT_EQ(shell().Delete("C:\\LINK"), kSuccess);
  for (const char* gone : {"tree", "link"})
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Host(gone)))) << gone;
  EXPECT_EQ(testing::HostTree(outside), before);
}

TEST_F(PortableShellTest, DeleteTakesReadOnlyFoldersWithTheirContent) {
  folder_.Write(Host("tree/locked/inner.txt"), "x");
  ::chmod(Host("tree/locked/inner.txt").c_str(), 0444);
  ::chmod(Host("tree/locked").c_str(), 0555);
  EXPECT_EQ(shell().Delete("C:\\tree"), kSuccess);
  EXPECT_FALSE(std::filesystem::exists(Host("tree")));
}

TEST_F(PortableShellTest, EmptyRecycleBinEmptiesTheRecyclerOfEveryDrive) {
  folder_.Write(folder_.path() / "machine.ini", "[drives]\nd=data\ne=no recycler\n");
  machine_ = folder_.Open();
  std::filesystem::path outside = MakeOutside();
  const auto before = testing::HostTree(outside);
  folder_.Write(Host("RECYCLER/S-1-5-21/Dc1.txt"), "deleted");
  folder_.Write(Host("RECYCLER/INFO2"), "info");
  std::filesystem::create_directory_symlink(outside, Host("RECYCLER/link"));
  folder_.Write(folder_.path() / "data" / "recycler" / "Dd1.txt", "deleted on d");
  folder_.Write(folder_.path() / "no recycler" / "keep.txt", "keep");
  folder_.Write(Host("Keep.txt"), "keep");

  EXPECT_EQ(shell().EmptyRecycleBin(), kSuccess);
  EXPECT_TRUE(std::filesystem::is_empty(Host("RECYCLER")));
  EXPECT_TRUE(std::filesystem::is_empty(folder_.path() / "data" / "recycler"));
  EXPECT_EQ(folder_.Read(folder_.path() / "no recycler" / "keep.txt"), "keep");
  EXPECT_EQ(folder_.Read(Host("Keep.txt")), "keep");
  EXPECT_EQ(testing::HostTree(outside), before);
}

TEST_F(PortableShellTest, StartAndOpenAreWrittenToTheShellLog) {
  EXPECT_EQ(shell().Start("notepad.exe C:\\x\\syslog.txt", ShowStyle::kNormal), kSuccess);
  EXPECT_EQ(shell().Open("http://example.com/faq.htm", ShowStyle::kMaximized), kSuccess);
  EXPECT_EQ(folder_.Read(folder_.path() / "shell.log"),
            "start 1 notepad.exe C:\\x\\syslog.txt\nopen 3 http://example.com/faq.htm\n");
}

}  // namespace
}  // namespace quellorn::platform
