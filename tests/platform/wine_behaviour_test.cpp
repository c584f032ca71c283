// What Wine 8 does where it differs from Windows or where Windows leaves room, established on
// the real calls. The portable back end copies these answers so that both test environments
// agree; the Win32 back end works around the ones that would harm data. On Windows itself the
// tests are skipped.
#include <gtest/gtest.h>

#include <string>

#include "link_fixture.h"
#include "platform/win32/win32_base.h"
#include "support/test_machine.h"
#include "support/test_machine_files.h"

namespace quellorn::testing {
namespace {

using namespace platform;

bool RunsUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring Wide(std::string_view text) {
  std::wstring wide;
  EXPECT_TRUE(win32::ToWide(text, wide));
  return wide;
}

std::wstring Fact(std::string_view name) {
  return Wide(LinkPath("facts\\" + std::string(name)));
}

DWORD FoundAttributes(const std::wstring& path) {
  WIN32_FIND_DATAW data{};
  win32::UniqueFind find(FindFirstFileW(path.c_str(), &data));
  return find ? data.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
}

class WineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RunsUnderWine()) GTEST_SKIP() << "records what Wine does";
  }

  TestMachine machine;
  std::string At(std::string_view name) const { return machine.root() + "\\" + std::string(name); }
};

class WineLinkTest : public WineTest {
 protected:
  void SetUp() override {
    WineTest::SetUp();
    if (!IsSkipped() && !HasLinkFixture(machine.platform().files)) GTEST_SKIP() << kNoLinkFixture;
  }
};

// A link to a folder is a folder with the reparse bit, a link to a file looks like the plain
// file, a dangling link is not there at all, not even in a listing.
TEST_F(WineLinkTest, LinksShowTheAttributesOfTheirTargets) {
  const std::pair<const char*, DWORD> cases[] = {
      {"full_link", 0x410}, {"victim_link", 0x20}, {"dangling_link", INVALID_FILE_ATTRIBUTES}};
  for (const auto& [name, attributes] : cases) {
    EXPECT_EQ(GetFileAttributesW(Fact(name).c_str()), attributes) << name;
    EXPECT_EQ(FoundAttributes(Fact(name)), attributes) << name;
  }
  const FolderListing facts = ListMachineFolder(machine.platform().files, LinkPath("facts"));
  EXPECT_EQ(facts.count("dangling_link"), 0u);
  EXPECT_EQ(facts.count("full_link"), 1u);
}

// Even a handle opened with FILE_FLAG_OPEN_REPARSE_POINT is the target's.
TEST_F(WineLinkTest, LinkOpensAsItsTarget) {
  win32::UniqueHandle handle(
      CreateFileW(Fact("full_link").c_str(), FILE_READ_ATTRIBUTES, 7, nullptr, OPEN_EXISTING,
                  FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(handle);
  wchar_t final[MAX_PATH] = {};
  ASSERT_GT(GetFinalPathNameByHandleW(handle.get(), final, MAX_PATH, 0), 0u);
  EXPECT_EQ(std::wstring(final), L"\\\\?\\C:\\qlinks\\facts\\full");
  FILE_ATTRIBUTE_TAG_INFO tag{};
  ASSERT_TRUE(GetFileInformationByHandleEx(handle.get(), FileAttributeTagInfo, &tag, sizeof tag));
  EXPECT_EQ(tag.FileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_EQ(tag.ReparseTag, 0u);
}

// The calls that should remove a link act on what it points to.
TEST_F(WineLinkTest, RemovingALinkRemovesItsTarget) {
  EXPECT_FALSE(RemoveDirectoryW(Fact("full_link").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
  EXPECT_TRUE(machine.platform().files.Exists(LinkPath("facts\\full\\f.txt")));

  EXPECT_TRUE(RemoveDirectoryW(Fact("empty_link").c_str()));
  EXPECT_FALSE(machine.platform().files.Exists(LinkPath("facts\\empty")));

  EXPECT_TRUE(DeleteFileW(Fact("victim_link").c_str()));
  EXPECT_FALSE(machine.platform().files.Exists(LinkPath("facts\\victim.txt")));

  EXPECT_TRUE(MoveFileW(Fact("move_link").c_str(), Fact("moved").c_str()));
  EXPECT_FALSE(machine.platform().files.Exists(LinkPath("facts\\move_me")));
  EXPECT_NE(GetFileAttributesW(Fact("moved").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0x400u);
}

// Windows refuses to overwrite a hidden file with CREATE_ALWAYS and FILE_ATTRIBUTE_NORMAL.
TEST_F(WineTest, CreateAlwaysOverwritesAHiddenFile) {
  machine.WriteFile(At("hidden.txt"), "old");
  const std::wstring path = Wide(At("hidden.txt"));
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  win32::UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_TRUE(handle);
  handle.reset();
  EXPECT_EQ(GetFileAttributesW(path.c_str()), 0x22u);
}

struct UnixAttributeCase {
  const char* name;
  DWORD reported;
};

// How Wine reads attributes that tests/wine/make-fixtures.sh set the Unix way: read-only when no
// write permission bit is set at all (for folders too, although SetFileAttributes cannot make a
// folder read-only), hidden and system from user.DOSATTRIB written as lower-case "0x" hex only.
TEST_F(WineTest, AttributesReadFromUnixPermissionsAndDosAttrib) {
  const UnixAttributeCase cases[] = {
      {"plain.txt", 0x20},          {"no_write.txt", 0x21},
      {"no_owner_write.txt", 0x20}, {"owner_write_only.txt", 0x20},
      {"hidden.txt", 0x22},         {"system.txt", 0x24},
      {"hidden_system.txt", 0x26},  {"hidden_archive.txt", 0x22},
      {"read_only_bit.txt", 0x20},  {"upper_x.txt", 0x20},
      {"decimal.txt", 0x20},        {"garbage.txt", 0x20},
      {"hidden_dir", 0x12},         {"no_write_dir", 0x11},
  };
  if (!machine.platform().files.Exists("C:\\qattrs\\hidden.txt"))
    GTEST_SKIP() << "needs the files that tests/wine/make-fixtures.sh makes below C:\\qattrs";
  for (const UnixAttributeCase& test : cases) {
    const std::string path = std::string("C:\\qattrs\\") + test.name;
    EXPECT_EQ(GetFileAttributesW(Wide(path).c_str()), test.reported) << test.name;
    EXPECT_EQ(FoundAttributes(Wide(path)), test.reported) << test.name;
  }
}

// Wine leaves writing to the Unix permission bits, which do not stop root; Windows refuses
// write access to a read-only file whoever asks.
TEST_F(WineTest, ReadOnlyFileOpensForWritingOnlyForRoot) {
  machine.WriteFile(At("ro.txt"), "x");
  const std::wstring path = Wide(At("ro.txt"));
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  win32::UniqueHandle handle(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  const DWORD error = GetLastError();
  EXPECT_EQ(static_cast<bool>(handle), machine.platform().system.UserName() == "root") << error;
  handle.reset();
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace quellorn::testing
