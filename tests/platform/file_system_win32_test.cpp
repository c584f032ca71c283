#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link_fixture.h"
#include "platform/file_system.h"
#include "platform/win32/win32_base.h"
#include "support/test_machine.h"

namespace quellorn::testing {
namespace {

using namespace platform;

class FileSystemTest : public ::testing::Test {
 protected:
  std::string At(std::string_view name) const { return machine.root() + "\\" + std::string(name); }

  std::map<std::string, DirEntry> Listing(std::string_view folder) {
    std::map<std::string, DirEntry> entries;
    std::unique_ptr<DirListing> listing = files.List(folder);
    EXPECT_NE(listing, nullptr) << folder;
    DirEntry entry;
    while (listing && listing->Next(entry))
      entries[entry.name] = entry;
    return entries;
  }

  std::unique_ptr<File> OpenOrFail(std::string_view path, OpenMode mode) {
    std::unique_ptr<File> file;
    EXPECT_EQ(files.Open(path, mode, file), kSuccess) << path;
    return file;
  }

  TestMachine machine;
  FileSystem& files = machine.platform().files;
};

TEST_F(FileSystemTest, ListingGivesNamesAttributesAndSizes) {
  machine.WriteFile(At("five.txt"), "12345");
  machine.WriteFile(At("empty.bin"), "");
  machine.MakeFolder(At("sub"));
  machine.WriteFile(At("sub\\deeper.txt"), "not listed");
  ASSERT_EQ(files.SetAttributes(At("empty.bin"), attr::kHidden), kSuccess);

  const std::map<std::string, DirEntry> entries = Listing(machine.root());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries.at("five.txt").size, 5u);
  EXPECT_EQ(entries.at("five.txt").attributes & (attr::kDirectory | attr::kHidden), 0u);
  EXPECT_EQ(entries.at("empty.bin").size, 0u);
  EXPECT_EQ(entries.at("empty.bin").attributes & attr::kHidden, attr::kHidden);
  EXPECT_EQ(entries.at("sub").attributes & attr::kDirectory, attr::kDirectory);
}

TEST_F(FileSystemTest, ListingFailsOnlyForWhatIsNoFolder) {
  machine.WriteFile(At("file.txt"), "x");
  machine.MakeFolder(At("empty"));
  EXPECT_EQ(files.List(At("missing")), nullptr);
  EXPECT_EQ(files.List(At("missing\\deeper")), nullptr);
  EXPECT_EQ(files.List(At("file.txt")), nullptr);
  EXPECT_TRUE(Listing(At("empty")).empty());
  EXPECT_TRUE(Listing(At("empty") + "\\").empty());
}

struct AttributeCase {
  std::uint32_t set;
  std::uint32_t shown;  // the bits of interest after setting
};

TEST_F(FileSystemTest, FileAttributesReadBackAsSet) {
  constexpr std::uint32_t kBits = attr::kReadOnly | attr::kHidden | attr::kSystem;
  const AttributeCase cases[] = {
      {attr::kReadOnly, attr::kReadOnly},
      {attr::kHidden, attr::kHidden},
      {attr::kSystem, attr::kSystem},
      {attr::kReadOnly | attr::kHidden | attr::kSystem, kBits},
      {attr::kHidden | attr::kArchive, attr::kHidden},
      {attr::kNormal, 0},
  };
  machine.WriteFile(At("f.txt"), "x");
  for (const AttributeCase& test : cases) {
    ASSERT_EQ(files.SetAttributes(At("f.txt"), test.set), kSuccess) << test.set;
    const std::uint32_t attributes = files.GetAttributes(At("f.txt"));
    EXPECT_EQ(attributes & kBits, test.shown) << test.set;
    EXPECT_EQ(attributes & attr::kDirectory, 0u);
  }
  EXPECT_EQ(files.SetAttributes(At("f.txt"), attr::kNormal), kSuccess);
}

TEST_F(FileSystemTest, MissingPathsHaveNoAttributes) {
  EXPECT_EQ(files.GetAttributes(At("missing")), attr::kInvalid);
  EXPECT_FALSE(files.Exists(At("missing\\deeper")));
  EXPECT_EQ(files.SetAttributes(At("missing"), attr::kHidden), kFileNotFound);
  EXPECT_TRUE(files.Exists(machine.root()));
}

struct OpenCase {
  OpenMode mode;
  const char* write;
  const char* result;  // content after writing at the position the open leaves
};

TEST_F(FileSystemTest, OpenModesKeepCutOrExtendTheContent) {
  const OpenCase cases[] = {
      {OpenMode::kReadWrite, "J", "Jello"},
      {OpenMode::kTruncateExisting, "x", "x"},
      {OpenMode::kCreateAlways, "new", "new"},
      {OpenMode::kAppend, "!", "hello!"},
  };
  for (const OpenCase& test : cases) {
    SCOPED_TRACE(test.result);
    machine.WriteFile(At("f.txt"), "hello");
    {
      std::unique_ptr<File> file = OpenOrFail(At("f.txt"), test.mode);
      ASSERT_NE(file, nullptr);
      EXPECT_EQ(file->Write(test.write, std::strlen(test.write)), kSuccess);
    }
    EXPECT_EQ(machine.ReadFile(At("f.txt")), test.result);
  }
}

TEST_F(FileSystemTest, OpeningAMissingFileCreatesItOnlyWhenTheModeSays) {
  const std::pair<OpenMode, bool> cases[] = {{OpenMode::kRead, false},
                                             {OpenMode::kReadWrite, false},
                                             {OpenMode::kTruncateExisting, false},
                                             {OpenMode::kCreateAlways, true},
                                             {OpenMode::kAppend, true}};
  int n = 0;
  for (const auto& [mode, creates] : cases) {
    const std::string path = At("new" + std::to_string(n++));
    std::unique_ptr<File> file;
    EXPECT_EQ(files.Open(path, mode, file), creates ? kSuccess : kFileNotFound) << path;
    EXPECT_EQ(files.Exists(path), creates) << path;
  }
  std::unique_ptr<File> file;
  EXPECT_EQ(files.Open(At("missing\\f.txt"), OpenMode::kCreateAlways, file), kPathNotFound);
}

TEST_F(FileSystemTest, ReadingStopsAtTheEnd) {
  machine.WriteFile(At("f.txt"), "abcdef");
  std::unique_ptr<File> file = OpenOrFail(At("f.txt"), OpenMode::kRead);
  ASSERT_NE(file, nullptr);
  char buffer[16] = {};
  std::size_t done = 0;
  ASSERT_EQ(file->Seek(2), kSuccess);
  EXPECT_EQ(file->Read(buffer, sizeof buffer, done), kSuccess);
  EXPECT_EQ(std::string(buffer, done), "cdef");
  EXPECT_EQ(file->Read(buffer, sizeof buffer, done), kSuccess);
  EXPECT_EQ(done, 0u);
  EXPECT_NE(file->Write("x", 1), kSuccess);
}

TEST_F(FileSystemTest, ReadOnlyFilesCanBeReadButNotChangedOrDeleted) {
  machine.WriteFile(At("ro.txt"), "keep");
  machine.WriteFile(At("other.txt"), "other");
  ASSERT_EQ(files.SetAttributes(At("ro.txt"), attr::kReadOnly | attr::kArchive), kSuccess);
  for (OpenMode mode : {OpenMode::kReadWrite, OpenMode::kTruncateExisting, OpenMode::kCreateAlways,
                        OpenMode::kAppend}) {
    std::unique_ptr<File> file;
    EXPECT_EQ(files.Open(At("ro.txt"), mode, file), kAccessDenied) << static_cast<int>(mode);
  }
  EXPECT_EQ(files.Copy(At("other.txt"), At("ro.txt")), kAccessDenied);
  EXPECT_EQ(files.Delete(At("ro.txt")), kAccessDenied);
  EXPECT_EQ(machine.ReadFile(At("ro.txt")), "keep");

  ASSERT_EQ(files.SetAttributes(At("ro.txt"), attr::kNormal), kSuccess);
  EXPECT_EQ(files.Delete(At("ro.txt")), kSuccess);
}

TEST_F(FileSystemTest, SetEndCutsAndExtends) {
  machine.WriteFile(At("f.txt"), "0123456789");
  std::unique_ptr<File> file = OpenOrFail(At("f.txt"), OpenMode::kReadWrite);
  ASSERT_NE(file, nullptr);
  std::uint64_t size = 0;
  ASSERT_EQ(file->Seek(4), kSuccess);
  ASSERT_EQ(file->SetEnd(), kSuccess);
  EXPECT_EQ(file->Size(size), kSuccess);
  EXPECT_EQ(size, 4u);
  ASSERT_EQ(file->Seek(100), kSuccess);
  ASSERT_EQ(file->SetEnd(), kSuccess);
  EXPECT_EQ(file->Flush(), kSuccess);
  EXPECT_EQ(file->Size(size), kSuccess);
  EXPECT_EQ(size, 100u);
  file.reset();
  EXPECT_EQ(machine.ReadFile(At("f.txt")), std::string("0123") + std::string(96, '\0'));
}

TEST_F(FileSystemTest, SizesBeyondFourGigabytes) {
  constexpr std::uint64_t kSize = (std::uint64_t{5} << 30) + 3;
  {
    std::unique_ptr<File> file = OpenOrFail(At("big.bin"), OpenMode::kCreateAlways);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->Seek(kSize), kSuccess);
    ASSERT_EQ(file->SetEnd(), kSuccess);
    std::uint64_t size = 0;
    EXPECT_EQ(file->Size(size), kSuccess);
    EXPECT_EQ(size, kSize);
  }
  EXPECT_EQ(Listing(machine.root()).at("big.bin").size, kSize);
}

TEST_F(FileSystemTest, CopyReplacesAnExistingTarget) {
  machine.WriteFile(At("from.txt"), "from");
  machine.WriteFile(At("to.txt"), "old content");
  EXPECT_EQ(files.Copy(At("from.txt"), At("to.txt")), kSuccess);
  EXPECT_EQ(machine.ReadFile(At("to.txt")), "from");
  EXPECT_EQ(files.Copy(At("from.txt"), At("fresh.txt")), kSuccess);
  EXPECT_EQ(machine.ReadFile(At("fresh.txt")), "from");
  EXPECT_EQ(files.Copy(At("missing.txt"), At("to.txt")), kFileNotFound);
  EXPECT_EQ(machine.ReadFile(At("from.txt")), "from");
}

TEST_F(FileSystemTest, RenameFailsWhenTheTargetExists) {
  machine.WriteFile(At("a.txt"), "a");
  machine.WriteFile(At("b.txt"), "b");
  machine.WriteFile(At("dir\\inside.txt"), "inside");
  EXPECT_EQ(files.Rename(At("a.txt"), At("b.txt")), kAlreadyExists);
  EXPECT_EQ(files.Rename(At("a.txt"), At("dir")), kAlreadyExists);
  EXPECT_EQ(machine.ReadFile(At("a.txt")), "a");
  EXPECT_EQ(machine.ReadFile(At("b.txt")), "b");
  EXPECT_EQ(files.Rename(At("a.txt"), At("c.txt")), kSuccess);
  EXPECT_EQ(machine.ReadFile(At("c.txt")), "a");
  EXPECT_FALSE(files.Exists(At("a.txt")));
  EXPECT_EQ(files.Rename(At("dir"), At("moved")), kSuccess);
  EXPECT_EQ(machine.ReadFile(At("moved\\inside.txt")), "inside");
  EXPECT_EQ(files.Rename(At("missing.txt"), At("d.txt")), kFileNotFound);
}

TEST_F(FileSystemTest, DeleteRemovesFilesButNoFolders) {
  machine.WriteFile(At("f.txt"), "x");
  machine.WriteFile(At("hidden.txt"), "x");
  ASSERT_EQ(files.SetAttributes(At("hidden.txt"), attr::kHidden | attr::kSystem), kSuccess);
  machine.MakeFolder(At("folder"));
  EXPECT_EQ(files.Delete(At("f.txt")), kSuccess);
  EXPECT_EQ(files.Delete(At("hidden.txt")), kSuccess);
  EXPECT_EQ(files.Delete(At("folder")), kAccessDenied);
  EXPECT_EQ(files.Delete(At("missing.txt")), kFileNotFound);
  EXPECT_EQ(files.Delete(At("missing\\f.txt")), kPathNotFound);
  EXPECT_EQ(Listing(machine.root()).size(), 1u);
}

TEST_F(FileSystemTest, FoldersAreCreatedOnceAndRemovedWhenEmpty) {
  EXPECT_EQ(files.CreateFolder(At("dir")), kSuccess);
  EXPECT_EQ(files.CreateFolder(At("dir")), kAlreadyExists);
  EXPECT_EQ(files.CreateFolder(At("missing\\dir")), kPathNotFound);
  machine.WriteFile(At("dir\\f.txt"), "x");
  EXPECT_EQ(files.RemoveFolder(At("dir")), kDirNotEmpty);
  EXPECT_NE(files.RemoveFolder(At("dir\\f.txt")), kSuccess);
  EXPECT_TRUE(files.Exists(At("dir\\f.txt")));
  ASSERT_EQ(files.Delete(At("dir\\f.txt")), kSuccess);
  EXPECT_EQ(files.RemoveFolder(At("dir")), kSuccess);
  EXPECT_FALSE(files.Exists(At("dir")));
}

TEST_F(FileSystemTest, NamesOutsideTheAnsiCodePageRoundTrip) {
  const std::vector<std::string> names = {"\xE6\x97\xA5\xE6\x9C\xAC.txt",
                                          "\xCE\xB1\xCE\xB2\xCE\xB3", "\xF0\x9F\x98\x80.txt",
                                          "na\xC3\xAF"
                                          "ve"};
  for (const std::string& name : names)
    machine.WriteFile(At(name), name);
  const std::map<std::string, DirEntry> entries = Listing(machine.root());
  ASSERT_EQ(entries.size(), names.size());
  for (const std::string& name : names) {
    EXPECT_EQ(entries.count(name), 1u) << name;
    EXPECT_EQ(machine.ReadFile(At(name)), name);
  }
}

TEST_F(FileSystemTest, PathsMatchInAnyLetterCaseAndNamesKeepTheirs) {
  machine.WriteFile(At("Mixed.TXT"), "case");
  EXPECT_EQ(machine.ReadFile(At("mixed.txt")), "case");
  EXPECT_TRUE(files.Exists(At("MIXED.txt")));
  EXPECT_EQ(Listing(machine.root()).count("Mixed.TXT"), 1u);
}

TEST_F(FileSystemTest, PathsThatAreNotUtf8AreRefused) {
  const std::string bad = At("bad\xFF.txt");
  std::unique_ptr<File> file;
  EXPECT_EQ(files.Open(bad, OpenMode::kCreateAlways, file), kInvalidParameter);
  EXPECT_EQ(files.GetAttributes(bad), attr::kInvalid);
  EXPECT_EQ(files.CreateFolder(bad), kInvalidParameter);
  EXPECT_EQ(files.List(bad), nullptr);
  EXPECT_TRUE(Listing(machine.root()).empty());
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
    std::unique_ptr<File> file = OpenOrFail(At("dir\\f.txt"), OpenMode::kRead);
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
}

}  // namespace
}  // namespace quellorn::testing
