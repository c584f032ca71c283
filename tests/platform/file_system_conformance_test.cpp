// The file system as every back end must answer it, written against TestMachine alone.

#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "support/test_machine.h"
#include "support/test_machine_files.h"

namespace quellorn::platform {
namespace {

constexpr std::uint32_t kFile = attr::kArchive;
constexpr std::uint32_t kFolder = attr::kDirectory;

class FileSystemConformance : public ::testing::Test {
 protected:
  FileSystem& files() { return machine_.platform().files; }
  std::string Path(std::string_view name) const {
    return machine_.root() + "\\" + std::string(name);
  }

  Status OpenStatus(std::string_view name, OpenMode mode) {
    std::unique_ptr<File> file;
    return files().Open(Path(name), mode, file);
  }

  std::unique_ptr<File> OpenFile(std::string_view name, OpenMode mode) {
    std::unique_ptr<File> file;
    EXPECT_EQ(files().Open(Path(name), mode, file), kSuccess) << name;
    return file;
  }

  testing::FolderListing Listing(std::string_view name) {
    return testing::ListMachineFolder(files(), Path(name));
  }

  testing::TestMachine machine_;
};

TEST_F(FileSystemConformance, ReportsAttributesAsWindowsNumbersThem) {
  machine_.WriteFile(Path("f.txt"), "12345");
  machine_.MakeFolder(Path("d"));
  EXPECT_EQ(files().GetAttributes(Path("f.txt")), kFile);
  EXPECT_EQ(files().GetAttributes(Path("d")), kFolder);

  struct Case {
    std::uint32_t set;
    std::uint32_t file;
    std::uint32_t folder;
  };
  // Read-only is ignored on folders; kNormal clears everything.
  for (const Case& c : {Case{attr::kHidden, kFile | attr::kHidden, kFolder | attr::kHidden},
                        Case{attr::kHidden | attr::kSystem, kFile | attr::kHidden | attr::kSystem,
                             kFolder | attr::kHidden | attr::kSystem},
                        Case{attr::kReadOnly, kFile | attr::kReadOnly, kFolder},
                        Case{attr::kReadOnly | attr::kHidden | attr::kArchive,
                             kFile | attr::kReadOnly | attr::kHidden, kFolder | attr::kHidden},
                        Case{attr::kNormal, kFile, kFolder}, Case{0, kFile, kFolder}}) {
    ASSERT_EQ(files().SetAttributes(Path("f.txt"), c.set), kSuccess);
    ASSERT_EQ(files().SetAttributes(Path("d"), c.set), kSuccess);
    EXPECT_EQ(files().GetAttributes(Path("f.txt")), c.file) << "set " << c.set;
    EXPECT_EQ(files().GetAttributes(Path("d")), c.folder) << "set " << c.set;
  }
}

TEST_F(FileSystemConformance, MissingPathsAndFilesOnThePathAnswerNotFound) {
  EXPECT_EQ(files().GetAttributes(Path("missing")), attr::kInvalid);
  EXPECT_EQ(files().SetAttributes(Path("missing"), attr::kHidden), kFileNotFound);
  EXPECT_EQ(files().SetAttributes(Path("missing\\x"), attr::kHidden), kPathNotFound);
  EXPECT_EQ(files().Delete(Path("missing")), kFileNotFound);
  EXPECT_EQ(files().Delete(Path("missing\\x")), kPathNotFound);
  EXPECT_EQ(files().RemoveFolder(Path("missing")), kFileNotFound);
  EXPECT_EQ(files().CreateFolder(Path("missing\\x")), kPathNotFound);
  EXPECT_EQ(OpenStatus("missing", OpenMode::kRead), kFileNotFound);
  EXPECT_EQ(OpenStatus("missing", OpenMode::kReadWrite), kFileNotFound);
  EXPECT_EQ(OpenStatus("missing", OpenMode::kTruncateExisting), kFileNotFound);
  EXPECT_EQ(OpenStatus("missing\\x", OpenMode::kCreateAlways), kPathNotFound);
  EXPECT_EQ(files().List(Path("missing")), nullptr);

  machine_.WriteFile(Path("f.txt"), "x");  // a file is no folder on the path
  EXPECT_EQ(files().GetAttributes(Path("f.txt\\")), attr::kInvalid);
  EXPECT_EQ(files().GetAttributes(Path("f.txt\\x")), attr::kInvalid);
  EXPECT_EQ(OpenStatus("f.txt\\x", OpenMode::kCreateAlways), kPathNotFound);
  EXPECT_EQ(files().List(Path("f.txt")), nullptr);
}

TEST_F(FileSystemConformance, ReadOnlyFilesCannotBeDeletedOrWritten) {
  machine_.WriteFile(Path("ro.txt"), "keep");
  ASSERT_EQ(files().SetAttributes(Path("ro.txt"), attr::kReadOnly), kSuccess);
  EXPECT_EQ(files().Delete(Path("ro.txt")), kAccessDenied);
  for (OpenMode mode : {OpenMode::kReadWrite, OpenMode::kTruncateExisting, OpenMode::kCreateAlways,
                        OpenMode::kAppend}) {
    EXPECT_EQ(OpenStatus("ro.txt", mode), kAccessDenied) << static_cast<int>(mode);
  }
  machine_.WriteFile(Path("other.txt"), "other");
  EXPECT_EQ(files().Copy(Path("other.txt"), Path("ro.txt")), kAccessDenied);
  EXPECT_EQ(machine_.ReadFile(Path("ro.txt")), "keep");

  machine_.WriteFile(Path("hidden.txt"), "x");
  ASSERT_EQ(files().SetAttributes(Path("hidden.txt"), attr::kHidden | attr::kSystem), kSuccess);
  EXPECT_EQ(files().Delete(Path("hidden.txt")), kSuccess);

  EXPECT_EQ(files().Rename(Path("ro.txt"), Path("moved.txt")), kSuccess);
  ASSERT_EQ(files().SetAttributes(Path("moved.txt"), attr::kNormal), kSuccess);
  EXPECT_EQ(files().Delete(Path("moved.txt")), kSuccess);
}

TEST_F(FileSystemConformance, FoldersFollowDirectoryRules) {
  machine_.WriteFile(Path("d\\f.txt"), "x");
  EXPECT_EQ(files().Delete(Path("d")), kAccessDenied);
  EXPECT_EQ(files().RemoveFolder(Path("d")), kDirNotEmpty);
  EXPECT_EQ(files().RemoveFolder(Path("d\\f.txt")), kDirectory);
  EXPECT_EQ(files().CreateFolder(Path("d")), kAlreadyExists);
  EXPECT_EQ(files().CreateFolder(Path("d\\f.txt")), kAlreadyExists);
  EXPECT_EQ(OpenStatus("d", OpenMode::kRead), kAccessDenied);
  EXPECT_EQ(OpenStatus("d", OpenMode::kCreateAlways), kAccessDenied);
  ASSERT_EQ(files().Delete(Path("d\\f.txt")), kSuccess);
  EXPECT_EQ(files().RemoveFolder(Path("d")), kSuccess);
  EXPECT_EQ(files().GetAttributes(Path("d")), attr::kInvalid);
  EXPECT_EQ(files().CreateFolder(Path("new\\")), kSuccess);
  EXPECT_EQ(files().GetAttributes(Path("new")), kFolder);
}

TEST_F(FileSystemConformance, RenameNeverReplaces) {
  machine_.WriteFile(Path("a.txt"), "a");
  machine_.WriteFile(Path("b.txt"), "b");
  machine_.MakeFolder(Path("d"));
  EXPECT_EQ(files().Rename(Path("a.txt"), Path("b.txt")), kAlreadyExists);
  EXPECT_EQ(files().Rename(Path("a.txt"), Path("B.TXT")), kAlreadyExists);
  EXPECT_EQ(files().Rename(Path("a.txt"), Path("d")), kAlreadyExists);
  EXPECT_EQ(machine_.ReadFile(Path("a.txt")), "a");
  EXPECT_EQ(machine_.ReadFile(Path("b.txt")), "b");
  EXPECT_EQ(files().Rename(Path("a.txt"), Path("missing\\a.txt")), kPathNotFound);
  EXPECT_EQ(files().Rename(Path("missing.txt"), Path("c.txt")), kFileNotFound);
  EXPECT_EQ(files().Rename(Path("d"), Path("d\\inside")), kInvalidParameter);

  EXPECT_EQ(files().Rename(Path("a.txt"), Path("d\\c.txt")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("d\\c.txt")), "a");
  EXPECT_EQ(files().Rename(Path("d"), Path("e")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("e\\c.txt")), "a");
  EXPECT_EQ(files().Rename(Path("b.txt"), Path("B.txt")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("b.txt")), "b");
}

TEST_F(FileSystemConformance, ReplacePutsAFileInPlaceOfAnotherInOneStep) {
  machine_.WriteFile(Path("new.tmp"), "new content");
  machine_.WriteFile(Path("b.txt"), "old");
  EXPECT_EQ(files().Replace(Path("new.tmp"), Path("B.TXT")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("b.txt")), "new content");
  EXPECT_EQ(files().GetAttributes(Path("new.tmp")), attr::kInvalid);
  EXPECT_EQ(Listing("").size(), 1u);

  machine_.WriteFile(Path("moved.tmp"), "moved");
  EXPECT_EQ(files().Replace(Path("moved.tmp"), Path("fresh.txt")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("fresh.txt")), "moved");

  machine_.WriteFile(Path("new.tmp"), "new");  // folders and read-only targets are refused
  machine_.WriteFile(Path("locked.txt"), "kept");
  machine_.MakeFolder(Path("d"));
  ASSERT_EQ(files().SetAttributes(Path("locked.txt"), attr::kReadOnly), kSuccess);
  EXPECT_EQ(files().Replace(Path("new.tmp"), Path("locked.txt")), kAccessDenied);
  EXPECT_EQ(files().Replace(Path("new.tmp"), Path("d")), kAccessDenied);
  EXPECT_EQ(files().Replace(Path("d"), Path("locked.txt")), kAccessDenied);
  EXPECT_EQ(files().Replace(Path("missing"), Path("x.txt")), kFileNotFound);
  EXPECT_EQ(files().Replace(Path("new.tmp"), Path("missing\\x.txt")), kPathNotFound);
  EXPECT_EQ(machine_.ReadFile(Path("locked.txt")), "kept");
  EXPECT_EQ(machine_.ReadFile(Path("new.tmp")), "new");
  EXPECT_EQ(files().GetAttributes(Path("d")), kFolder);
}

TEST_F(FileSystemConformance, CopyReplacesTheTargetAndKeepsAttributes) {
  machine_.WriteFile(Path("a.txt"), "new content");
  machine_.WriteFile(Path("b.txt"), "old");
  EXPECT_EQ(files().Copy(Path("a.txt"), Path("b.txt")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("b.txt")), "new content");

  ASSERT_EQ(files().SetAttributes(Path("a.txt"), attr::kReadOnly | attr::kHidden), kSuccess);
  EXPECT_EQ(files().Copy(Path("a.txt"), Path("c.txt")), kSuccess);
  EXPECT_EQ(files().GetAttributes(Path("c.txt")), kFile | attr::kReadOnly | attr::kHidden);

  machine_.MakeFolder(Path("d"));
  EXPECT_EQ(files().Copy(Path("missing"), Path("x")), kFileNotFound);
  EXPECT_EQ(files().Copy(Path("d"), Path("x")), kAccessDenied);
  EXPECT_EQ(files().Copy(Path("b.txt"), Path("d")), kAccessDenied);
  EXPECT_EQ(files().Copy(Path("b.txt"), Path("missing\\x")), kPathNotFound);
  EXPECT_EQ(files().Copy(Path("b.txt"), Path("B.TXT")), kSharingViolation);
  EXPECT_EQ(machine_.ReadFile(Path("b.txt")), "new content");
}

TEST_F(FileSystemConformance, ListsEntriesWithAttributesAndSizes) {
  machine_.WriteFile(Path("list\\five.bin"), "12345");
  machine_.WriteFile(Path("list\\empty.txt"), "");
  machine_.MakeFolder(Path("list\\Sub"));
  ASSERT_EQ(files().SetAttributes(Path("list\\empty.txt"), attr::kHidden), kSuccess);
  using Entries = testing::FolderListing;
  EXPECT_EQ(Listing("list"), (Entries{{"five.bin", {kFile, 5}},
                                      {"empty.txt", {kFile | attr::kHidden, 0}},
                                      {"Sub", {kFolder, 0}}}));
  EXPECT_EQ(Listing("list\\Sub\\"), Entries{});
}

// A size past 4 GB: sparse where the file system allows it.
TEST_F(FileSystemConformance, SizesAreSixtyFourBit) {
  constexpr std::uint64_t kFiveGigabytes = 5ull << 30;
  {
    std::unique_ptr<File> file = OpenFile("big.bin", OpenMode::kCreateAlways);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->Seek(kFiveGigabytes), kSuccess);
    ASSERT_EQ(file->SetEnd(), kSuccess);
    std::uint64_t size = 0;
    ASSERT_EQ(file->Size(size), kSuccess);
    EXPECT_EQ(size, kFiveGigabytes);
  }
  EXPECT_EQ(Listing("").at("big.bin").second, kFiveGigabytes);
  EXPECT_EQ(files().Delete(Path("big.bin")), kSuccess);
}

TEST_F(FileSystemConformance, OpenModesReadWriteTruncateAndAppend) {
  machine_.WriteFile(Path("f.txt"), "0123456789");
  {
    std::unique_ptr<File> file = OpenFile("f.txt", OpenMode::kReadWrite);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->Seek(2), kSuccess);
    ASSERT_EQ(file->Write("ab", 2), kSuccess);
    char buffer[16];
    std::size_t done = 0;
    ASSERT_EQ(file->Read(buffer, sizeof buffer, done), kSuccess);
    EXPECT_EQ(std::string(buffer, done), "456789");
    ASSERT_EQ(file->Read(buffer, sizeof buffer, done), kSuccess);
    EXPECT_EQ(done, 0u);
    ASSERT_EQ(file->Seek(6), kSuccess);
    ASSERT_EQ(file->SetEnd(), kSuccess);
    EXPECT_EQ(file->Flush(), kSuccess);
  }
  EXPECT_EQ(machine_.ReadFile(Path("f.txt")), "01ab45");
  OpenFile("f.txt", OpenMode::kAppend)->Write("!", 1);
  EXPECT_EQ(machine_.ReadFile(Path("f.txt")), "01ab45!");
  OpenFile("f.txt", OpenMode::kTruncateExisting);
  EXPECT_EQ(machine_.ReadFile(Path("f.txt")), "");
  OpenFile("new.txt", OpenMode::kAppend)->Write("n", 1);
  EXPECT_EQ(machine_.ReadFile(Path("new.txt")), "n");
  OpenFile("new.txt", OpenMode::kCreateAlways)->Write("x", 1);
  EXPECT_EQ(machine_.ReadFile(Path("new.txt")), "x");
  EXPECT_NE(OpenFile("new.txt", OpenMode::kRead)->Write("y", 1), kSuccess);
}

TEST_F(FileSystemConformance, ResolvesPathsWithoutRegardToCaseAndDotsInTheText) {
  machine_.WriteFile(Path("MixedCase\\File.TXT"), "x");
  EXPECT_EQ(machine_.ReadFile(Path("mixedcase\\file.txt")), "x");
  EXPECT_EQ(machine_.ReadFile(machine_.root() + "/MIXEDCASE/FILE.txt"), "x");
  EXPECT_EQ(files().GetAttributes(Path("MIXEDCASE\\file.txt.")), kFile);
  EXPECT_EQ(Listing("mixedCASE").count("File.TXT"), 1u);
  machine_.WriteFile(Path("mixedcase\\file.txt"), "y");
  EXPECT_EQ(Listing("MixedCase").size(), 1u);
  EXPECT_EQ(machine_.ReadFile(Path("MixedCase\\File.TXT")), "y");
  // Dots resolve in the text and stop at the root.
  machine_.WriteFile(Path("f.txt"), "x");
  std::string below = machine_.root().substr(2);  // without the drive
  EXPECT_EQ(machine_.ReadFile(Path("sub\\..\\.\\f.txt")), "x");
  EXPECT_EQ(machine_.ReadFile("C:\\..\\..\\.." + below + "\\f.txt"), "x");
  EXPECT_EQ(files().GetAttributes("C:\\.."), kFolder);
}

// Windows drops trailing dots and blanks from a typed name, never from one that exists as given.
TEST_F(FileSystemConformance, ANameEndingInADotIsTheEntrySpelledSo) {
  machine_.WriteFile(Path("keep.txt"), "keep");
  machine_.WriteListedFile(Path("keep.txt."), "dot");
  EXPECT_EQ(Listing("").size(), 2u);
  EXPECT_EQ(machine_.ReadFile(Path("KEEP.TXT.")), "dot");
  EXPECT_EQ(files().Delete(Path("keep.txt.")), kSuccess);
  EXPECT_EQ(Listing("").count("keep.txt"), 1u);
  EXPECT_EQ(machine_.ReadFile(Path("keep.txt. ")), "keep");
}

}  // namespace
}  // namespace quellorn::platform
