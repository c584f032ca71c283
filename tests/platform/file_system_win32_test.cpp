// What the Win32 file system does beyond the conformance cases, which run on it under Wine:
// names outside the ANSI code page, handles it must not keep, links Wine cannot remove.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link_fixture.h"
#include "platform/file_system.h"
#include "platform/win32/win32_base.h"
#include "support/test_machine.h"
#include "support/test_machine_files.h"

namespace quellorn::testing {
namespace {

using namespace platform;

class FileSystemTest : public ::testing::Test {
 protected:
  std::string At(std::string_view name) const { return machine.root() + "\\" + std::string(name); }

  TestMachine machine;
  FileSystem& files = machine.platform().files;
};

TEST_F(FileSystemTest, NamesOutsideTheAnsiCodePageRoundTrip) {
  const std::vector<std::string> names = {"\xE6\x97\xA5\xE6\x9C\xAC.txt",
                                          "\xCE\xB1\xCE\xB2\xCE\xB3", "\xF0\x9F\x98\x80.txt",
                                          "na\xC3\xAF"
                                          "ve"};
  for (const std::string& name : names)
    machine.WriteFile(At(name), name);
  const FolderListing entries = ListMachineFolder(files, machine.root());
  ASSERT_EQ(entries.size(), names.size());
  for (const std::string& name : names) {
    EXPECT_EQ(entries.count(name), 1u) << name;
    EXPECT_EQ(machine.ReadFile(At(name)), name);
  }
}

TEST_F(FileSystemTest, PathsThatAreNotUtf8AreRefused) {
  const std::string bad = At("bad\xFF.txt");
  std::unique_ptr<File> file;
  EXPECT_EQ(files.Open(bad, OpenMode::kCreateAlways, file), kInvalidParameter);
  EXPECT_EQ(files.GetAttributes(bad), attr::kInvalid);
  EXPECT_EQ(files.CreateFolder(bad), kInvalidParameter);
  EXPECT_EQ(files.List(bad), nullptr);
  EXPECT_TRUE(ListMachineFolder(files, machine.root()).empty());
}

// The back end holds a handle exactly as long as the object that owns it: while it is open,
// nobody gets the file or folder to himself, afterwards anyone does.
bool CanOpenExclusively(const std::string& path) {
  std::wstring wide;
  if (!win32::ToWide(path, wide)) return false;
  win32::UniqueHandle handle(CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return static_cast<bool>(handle);
}

TEST_F(FileSystemTest, FilesAndListingsCloseTheirHandles) {
  machine.WriteFile(At("dir\\f.txt"), "x");
  {
    std::unique_ptr<File> file;
    ASSERT_EQ(files.Open(At("dir\\f.txt"), OpenMode::kRead, file), kSuccess);
    EXPECT_FALSE(CanOpenExclusively(At("dir\\f.txt")));
  }
  EXPECT_TRUE(CanOpenExclusively(At("dir\\f.txt")));
  {
    std::unique_ptr<DirListing> listing = files.List(At("dir"));
    ASSERT_NE(listing, nullptr);
    EXPECT_FALSE(CanOpenExclusively(At("dir")));
  }
  EXPECT_TRUE(CanOpenExclusively(At("dir")));
  {
    std::unique_ptr<DirListing> listing = files.List(At("dir"));
    DirEntry entry;
    while (listing->Next(entry)) {
    }
    EXPECT_TRUE(CanOpenExclusively(At("dir")));
  }
}

TEST_F(FileSystemTest, LinksAreRemovedOrRenamedNeverTheirTargets) {
  if (!HasLinkFixture(files)) GTEST_SKIP() << kNoLinkFixture;
  // DeleteFile takes no folder, and a link to one is a folder too.
  EXPECT_EQ(files.Delete(LinkPath("single\\files_dir_link")), kAccessDenied);
  struct Case {
    const char* link;
    Status (*call)(FileSystem&, const std::string&);
  };
  const Case cases[] = {
      {"single\\files_file_link", [](FileSystem& f, const std::string& p) { return f.Delete(p); }},
      {"single\\files_dir_link",
       [](FileSystem& f, const std::string& p) { return f.RemoveFolder(p); }},
      {"single\\files_empty_link",
       [](FileSystem& f, const std::string& p) { return f.RemoveFolder(p); }},
      {"single\\rename_file_link",
       [](FileSystem& f, const std::string& p) { return f.Rename(p, p + "_renamed"); }},
      {"single\\rename_dir_link",
       [](FileSystem& f, const std::string& p) { return f.Rename(p, p + "_renamed"); }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.link);
    const std::string link = LinkPath(test.link);
    const Status status = test.call(files, link);
    // Windows removes the link; Wine cannot without harming the target, and refuses.
    EXPECT_EQ(files.Exists(link), status != kSuccess);
    ExpectTargetsIntact(machine);
  }
  // Through an open listing as well; a link to a folder lists as a folder and stays.
  std::unique_ptr<DirListing> listing = files.ListForWalk(LinkPath("single"));
  ASSERT_NE(listing, nullptr);
  EXPECT_EQ(listing->RemoveFile("listing_dir_link"), kAccessDenied);
  const Status status = listing->RemoveFile("listing_file_link");
  EXPECT_EQ(files.Exists(LinkPath("single\\listing_file_link")), status != kSuccess);
  EXPECT_TRUE(files.Exists(LinkPath("single\\listing_dir_link")));
  ExpectTargetsIntact(machine);
}

}  // namespace
}  // namespace quellorn::testing
