// How the portable file system keeps Windows attributes on the host and treats links.

#include "platform/portable/file_system_portable.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "platform/portable/host_fd.h"
#include "support/machine_folder.h"
#include "support/test_machine_files.h"

namespace quellorn::platform {
namespace {

using testing::MachineFolder;

class PortableFileSystemTest : public ::testing::Test {
 protected:
  FileSystem& files() { return machine_->platform().files; }
  std::filesystem::path Host(const std::string& name) const { return folder_.DriveC() / name; }

  std::string Xattr(const std::string& name) const {
    char text[64];
    ssize_t size = ::getxattr(Host(name).c_str(), "user.DOSATTRIB", text, sizeof text);
    return size < 0 ? "(none)" : std::string(text, static_cast<std::size_t>(size));
  }

  mode_t Mode(const std::string& name) const {
    struct stat info;
    EXPECT_EQ(::lstat(Host(name).c_str(), &info), 0) << name;
    return info.st_mode & 07777;
  }

  void Link(const std::string& target, const std::string& name) const {
    ASSERT_EQ(::symlink(target.c_str(), Host(name).c_str()), 0) << name;
  }

  // target.txt "12345", folder\inside.txt "in", and links to both and to nowhere.
  void MakeLinks() const {
    folder_.Write(Host("target.txt"), "12345");
    folder_.Write(Host("folder/inside.txt"), "in");
    Link("target.txt", "file-link");
    Link("folder", "folder-link");
    Link("nowhere", "dangling");
  }

  // What reading the file through the machine gives.
  std::string Content(const std::string& path) {
    std::unique_ptr<File> file;
    EXPECT_EQ(files().Open(path, OpenMode::kRead, file), kSuccess) << path;
    char buffer[8];
    std::size_t done = 0;
    if (file) file->Read(buffer, sizeof buffer, done);
    return std::string(buffer, done);
  }

  MachineFolder folder_;
  std::unique_ptr<PortableMachine> machine_ = folder_.Open();
};

TEST_F(PortableFileSystemTest, KeepsHiddenAndSystemInTheDosAttribXattr) {
  folder_.Write(Host("f"), "x");
  struct Case {
    std::uint32_t set;
    const char* xattr;
  };
  for (const Case& c : {Case{attr::kHidden, "0x2"}, Case{attr::kSystem, "0x4"},
                        Case{attr::kHidden | attr::kSystem | attr::kArchive, "0x6"},
                        Case{attr::kReadOnly | attr::kHidden, "0x2"}, Case{attr::kNormal, "(none)"},
                        Case{attr::kArchive, "(none)"}}) {
    ASSERT_EQ(files().SetAttributes("C:\\f", c.set), kSuccess);
    EXPECT_EQ(Xattr("f"), c.xattr) << c.set;
  }
}

TEST_F(PortableFileSystemTest, ReadsTheXattrAsWineDoes) {
  struct Case {
    const char* text;
    std::uint32_t attributes;
  };
  for (const Case& c :
       {Case{"0x2", attr::kHidden}, Case{"0x4", attr::kSystem},
        Case{"0x6", attr::kHidden | attr::kSystem}, Case{"0x22", attr::kHidden}, Case{"0x21", 0},
        Case{"0X2", 0}, Case{"2", 0}, Case{" 0x2", 0}, Case{"zz", 0}, Case{"0x", 0}}) {
    folder_.Write(Host("f"), "x");
    ASSERT_EQ(::setxattr(Host("f").c_str(), "user.DOSATTRIB", c.text, std::strlen(c.text), 0), 0);
    EXPECT_EQ(files().GetAttributes("C:\\f"), attr::kArchive | c.attributes) << c.text;
  }
}

TEST_F(PortableFileSystemTest, ReadOnlyIsTheAbsenceOfWriteBits) {
  struct Case {
    mode_t before;
    std::uint32_t set;
    mode_t after;
  };
  for (const Case& c : {Case{0644, attr::kReadOnly, 0444}, Case{0664, attr::kReadOnly, 0444},
                        Case{0444, attr::kNormal, 0644}, Case{0400, attr::kNormal, 0600},
                        Case{0000, attr::kNormal, 0600}, Case{0640, attr::kNormal, 0640}}) {
    folder_.Write(Host("f"), "x");
    ASSERT_EQ(::chmod(Host("f").c_str(), c.before), 0);
    EXPECT_EQ((files().GetAttributes("C:\\f") & attr::kReadOnly) != 0, (c.before & 0222) == 0);
    ASSERT_EQ(files().SetAttributes("C:\\f", c.set), kSuccess);
    EXPECT_EQ(Mode("f"), c.after) << std::oct << c.before;
  }
  std::filesystem::create_directory(Host("d"));
  mode_t folderMode = Mode("d");
  ASSERT_EQ(files().SetAttributes("C:\\d", attr::kReadOnly), kSuccess);
  EXPECT_EQ(Mode("d"), folderMode);
}

// Links list as reparse points, open as their targets and keep their attributes there.
TEST_F(PortableFileSystemTest, ReportsLinksAsReparsePointsAndOpensTheirTargets) {
  MakeLinks();
  testing::FolderListing entries = testing::ListMachineFolder(files(), "C:\\");
  using Entry = std::pair<std::uint32_t, std::uint64_t>;
  EXPECT_EQ(entries["file-link"], Entry(attr::kReparsePoint | attr::kArchive, 0));
  EXPECT_EQ(entries["folder-link"], Entry(attr::kReparsePoint | attr::kDirectory, 0));
  EXPECT_EQ(entries["dangling"], Entry(attr::kReparsePoint | attr::kArchive, 0));
  EXPECT_EQ(files().GetAttributes("C:\\folder-link"), attr::kReparsePoint | attr::kDirectory);
  EXPECT_EQ(files().GetAttributes("C:\\folder-link\\"), attr::kDirectory);
  EXPECT_EQ(files().GetAttributes("C:\\folder-link\\inside.txt"), attr::kArchive);
  EXPECT_EQ(files().SetAttributes("C:\\file-link", attr::kHidden), kAccessDenied);
  EXPECT_EQ(Xattr("target.txt"), "(none)");

  EXPECT_EQ(Content("C:\\file-link"), "12345");
  std::unique_ptr<File> file;
  EXPECT_EQ(files().Open("C:\\dangling", OpenMode::kRead, file), kFileNotFound);
  EXPECT_EQ(files().Open("C:\\dangling", OpenMode::kCreateAlways, file), kAccessDenied);
  EXPECT_FALSE(std::filesystem::exists(Host("nowhere")));
}

TEST_F(PortableFileSystemTest, DeleteAndRemoveFolderTakeTheLinkNotItsTarget) {
  MakeLinks();
  EXPECT_EQ(files().Delete("C:\\folder-link"), kAccessDenied);
  EXPECT_EQ(files().RemoveFolder("C:\\file-link"), kDirectory);
  EXPECT_EQ(files().Delete("C:\\file-link"), kSuccess);
  EXPECT_EQ(files().RemoveFolder("C:\\folder-link"), kSuccess);
  EXPECT_EQ(files().Delete("C:\\dangling"), kSuccess);
  EXPECT_EQ(folder_.Read(Host("target.txt")), "12345");
  EXPECT_EQ(folder_.Read(Host("folder/inside.txt")), "in");
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Host("file-link"))));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Host("folder-link"))));
}

// Deleting through an open listing takes a file (read-only too) or a link itself, never a
// folder or what a link points to.
TEST_F(PortableFileSystemTest, RemoveFileThroughAListingTakesTheEntryItself) {
  MakeLinks();
  folder_.Write(Host("read-only.txt"), "r");
  ASSERT_EQ(::chmod(Host("read-only.txt").c_str(), 0444), 0);
  const struct {
    const char* name;
    Status status;
  } kCases[] = {{"file-link", kSuccess},   {"dangling", kSuccess},
                {"folder-link", kSuccess}, {"read-only.txt", kSuccess},
                {"folder", kAccessDenied}, {"missing", kFileNotFound},
                {"..", kInvalidName},      {"folder/inside.txt", kInvalidName}};
  std::unique_ptr<DirListing> listing = files().ListForWalk("C:\\");
  ASSERT_NE(listing, nullptr);
  for (const auto& c : kCases) {
    EXPECT_EQ(listing->RemoveFile(c.name), c.status) << c.name;
    EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(Host(c.name))),
              c.status != kSuccess && c.status != kFileNotFound)
        << c.name;
  }
  EXPECT_EQ(folder_.Read(Host("target.txt")), "12345");
  EXPECT_EQ(folder_.Read(Host("folder/inside.txt")), "in");
}

// A removed file's blocks are freed on other threads: its name goes at once, and no descriptor
// outlives the machine, however many removals wait at a time.
TEST_F(PortableFileSystemTest, RemovedFilesLoseTheirNamesAtOnceAndLeaveNoDescriptor) {
  const auto openDescriptors = [] {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return std::distance(begin(fds), end(fds));
  };
  constexpr int kFiles = 600;
  for (int n = 0; n < kFiles; ++n)
    folder_.Write(Host("many/" + std::to_string(n)), "data");
  const auto before = openDescriptors();
  {
    std::unique_ptr<DirListing> listing = files().ListForWalk("C:\\many");
    ASSERT_NE(listing, nullptr);
    int removed = 0;
    for (DirEntry entry; listing->Next(entry); ++removed) {
      ASSERT_EQ(listing->RemoveFile(entry.name), kSuccess) << entry.name;
      ASSERT_FALSE(std::filesystem::exists(Host("many/" + entry.name))) << entry.name;
    }
    EXPECT_EQ(removed, kFiles);
  }
  machine_.reset();
  EXPECT_EQ(openDescriptors(), before);
  EXPECT_TRUE(std::filesystem::is_empty(Host("many")));
}

TEST_F(PortableFileSystemTest, PrefersTheExactNameThenTheSmallest) {
  folder_.Write(Host("abc"), "lower");
  folder_.Write(Host("ABC"), "upper");
  folder_.Write(Host("aBc"), "mixed");
  struct Case {
    const char* asked;
    const char* content;
  };
  for (const Case& c :
       {Case{"abc", "lower"}, Case{"ABC", "upper"}, Case{"aBc", "mixed"}, Case{"Abc", "upper"}}) {
    EXPECT_EQ(Content(std::string("C:\\") + c.asked), c.content) << c.asked;
  }
}

TEST_F(PortableFileSystemTest, RenameCanChangeTheCaseOfAName) {
  folder_.Write(Host("name.txt"), "x");
  ASSERT_EQ(files().Rename("C:\\name.txt", "C:\\NAME.Txt"), kSuccess);
  EXPECT_TRUE(std::filesystem::exists(Host("NAME.Txt")));
  EXPECT_FALSE(std::filesystem::exists(Host("name.txt")));
}

TEST_F(PortableFileSystemTest, RefusesNamesWindowsDoesNotAllow) {
  for (const char* name :
       {"C:\\a?b", "C:\\a*", "C:\\a<b", "C:\\a|b", "C:\\a\"b", "C:\\a:b", "C:\\tab\there"}) {
    EXPECT_EQ(files().CreateFolder(name), kInvalidName) << name;
    EXPECT_EQ(files().GetAttributes(name), attr::kInvalid) << name;
  }
}

// Host names Windows does not allow would read as paths once joined to their folder's path;
// pipes, sockets and devices are no files of Windows.
TEST_F(PortableFileSystemTest, ListsAndOpensOnlyWhatAWindowsFolderCouldHold) {
  folder_.Write(Host("f"), "file");
  for (const char* name : {"a\\..\\victim", "what?", "tab\there", "a:b", "x\\..\\..\\"})
    folder_.Write(Host(name) / "in", "x");
  ASSERT_EQ(::mkfifo(Host("pipe").c_str(), 0666), 0);
  Link("pipe", "pipe-link");
  // Both ends held open: an open that gets through to the pipe fails the test, not hangs it.
  UniqueFd ends(::open(Host("pipe").c_str(), O_RDWR | O_NONBLOCK));
  std::unique_ptr<File> file;
  for (OpenMode mode : {OpenMode::kRead, OpenMode::kReadWrite, OpenMode::kCreateAlways}) {
    EXPECT_EQ(files().Open("C:\\pipe", mode, file), kAccessDenied);
    EXPECT_EQ(files().Open("C:\\pipe-link", mode, file), kAccessDenied);
  }
  EXPECT_EQ(files().Copy("C:\\f", "C:\\pipe"), kAccessDenied);
  EXPECT_EQ(files().Replace("C:\\pipe", "C:\\f"), kAccessDenied);
  std::set<std::string> names;
  auto listing = files().List("C:\\");
  for (DirEntry entry; listing->Next(entry);)
    names.insert(entry.name);
  EXPECT_EQ(names, (std::set<std::string>{"f", "pipe-link"}));
}

}  // namespace
}  // namespace quellorn::platform
