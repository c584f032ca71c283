// The machine folder itself: what it saves, how it reads machine.ini and maps drives.

#include "platform/portable/portable_machine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "support/machine_folder.h"
#include "support/reg_values.h"

namespace quellorn::platform {
namespace {

using testing::Bytes;
using testing::Dword;
using testing::MachineFolder;
using testing::Sz;

std::set<std::string> FolderNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

void SetValue(Registry& registry, RegHandle root, const std::string& path, const std::string& name,
              const RegValue& value) {
  RegKey key;
  ASSERT_EQ(RegKey::Create(registry, root, path, key), kSuccess);
  ASSERT_EQ(registry.SetValue(key.get(), name, value), kSuccess);
}

TEST(PortableMachine, RegistryOutlivesTheMachine) {
  MachineFolder folder;
  RegFile before;
  {
    auto machine = folder.Open();
    Registry& registry = machine->platform().registry;
    SetValue(registry, kCurrentUser, "Software\\Q", "text", Sz(u"x\ny \u20ac"));
    SetValue(registry, kCurrentUser, "Software\\Q", "", Bytes(reg_type::kSz, {0x61, 0}));
    SetValue(registry, kLocalMachine, "Software\\\xE2\x82\xAC", "n", Dword(9));
    SetValue(registry, kDynData, "PerfStats", "odd", Bytes(99, {1, 2, 3}));
    RegKey empty;
    ASSERT_EQ(RegKey::Create(registry, kUsers, ".DEFAULT\\Empty", empty), kSuccess);
    EXPECT_EQ(registry.Flush(), kSuccess);
    before = static_cast<PortableRegistry&>(registry).Export();
  }
  std::string saved = folder.Read(folder.path() / "registry.reg");
  EXPECT_TRUE(
      saved.starts_with("\xFF\xFE"
                        "W\0i\0n\0"));

  auto reopened = folder.Open();
  EXPECT_TRUE(reopened->registryIssues().empty());
  EXPECT_EQ(static_cast<PortableRegistry&>(reopened->platform().registry).Export().keys,
            before.keys);
}

TEST(PortableMachine, SavesAtEachFlushWithoutLeavingTemporaryFiles) {
  MachineFolder folder;
  auto machine = folder.Open();
  Registry& registry = machine->platform().registry;
  for (int i = 0; i < 5; ++i) {
    SetValue(registry, kCurrentUser, "T", "v" + std::to_string(i), Dword(i));
  }
  registry.DeleteValue(kCurrentUser, "missing");
  EXPECT_EQ(FolderNames(folder.path()), std::set<std::string>{"drive_c"});
  EXPECT_EQ(registry.Flush(), kSuccess);
  EXPECT_EQ(FolderNames(folder.path()), (std::set<std::string>{"drive_c", "registry.reg"}));
  const std::string flushed = folder.Read(folder.path() / "registry.reg");
  SetValue(registry, kCurrentUser, "T", "last", Dword(9));
  machine.reset();  // closing saves what was not flushed
  EXPECT_NE(folder.Read(folder.path() / "registry.reg"), flushed);
}

TEST(PortableMachine, EmptyFolderIsAnEmptyMachine) {
  MachineFolder folder;
  std::filesystem::remove(folder.DriveC());
  auto machine = folder.Open();
  Platform& platform = machine->platform();
  std::string name;
  EXPECT_EQ(platform.registry.EnumKey(kCurrentUser, 0, name), kNoMoreItems);
  EXPECT_EQ(platform.system.UserName(), "user");
  EXPECT_EQ(platform.system.WindowsFolder(), "C:\\WINDOWS");
  EXPECT_EQ(platform.files.GetAttributes("C:\\"), attr::kInvalid);
  EXPECT_EQ(platform.files.CreateFolder("C:\\x"), kPathNotFound);
  EXPECT_TRUE(FolderNames(folder.path()).empty());
}

TEST(PortableMachine, MalformedRegistryLoadsWhatItCanAndKeepsTheOriginal) {
  MachineFolder folder;
  const std::string original =
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\T]\r\n"
      "\"good\"=dword:00000001\r\n\"bad\"=dword:xyz\r\n";
  folder.Write(folder.path() / "registry.reg", original);
  auto machine = folder.Open();
  ASSERT_EQ(machine->registryIssues().size(), 1u);
  EXPECT_EQ(machine->registryIssues()[0].line, 5);

  Registry& registry = machine->platform().registry;
  RegKey key;
  ASSERT_EQ(RegKey::Open(registry, kCurrentUser, "T", key), kSuccess);
  RegValue value;
  EXPECT_EQ(registry.QueryValue(key.get(), "good", value), kSuccess);
  EXPECT_EQ(folder.Read(folder.path() / "registry.reg.bad"), original);
  ASSERT_EQ(registry.SetValue(key.get(), "new", Dword(2)), kSuccess);
  ASSERT_EQ(registry.Flush(), kSuccess);
  EXPECT_TRUE(folder.Open()->registryIssues().empty());
}

TEST(PortableMachine, KeysDeeperThanWindowsAllowsAreRefused) {
  MachineFolder folder;
  std::string deep = "HKEY_CURRENT_USER";
  for (int depth = 1; depth <= 100000; ++depth) {
    deep += "\\k";
    if (depth == 512) deep += "]\r\n\"v\"=dword:1\r\n[" + deep;
  }
  folder.Write(folder.path() / "registry.reg",
               "Windows Registry Editor Version 5.00\r\n\r\n[" + deep + "]\r\n\"w\"=dword:2\r\n");
  auto machine = folder.Open();
  ASSERT_EQ(machine->registryIssues().size(), 2u);
  EXPECT_EQ(machine->registryIssues()[0], (RegFileIssue{5, "key more than 512 levels deep"}));
  EXPECT_EQ(machine->registryIssues()[1].line, 6);
  EXPECT_EQ(static_cast<PortableRegistry&>(machine->platform().registry).Export().keys.size(),
            512u);
}

TEST(PortableMachine, RegistryThatCannotBeReadIsNeverReplaced) {
  for (const std::string content : {"", "\x01 no registry"}) {
    MachineFolder folder;
    const std::filesystem::path file = folder.path() / "registry.reg";
    content.empty() ? void(std::filesystem::create_directory(file)) : folder.Write(file, content);
    auto machine = folder.Open();
    EXPECT_FALSE(machine->LoadIssues().empty());
    EXPECT_FALSE(machine->CanKeepChanges());
    SetValue(machine->platform().registry, kCurrentUser, "T", "v", Dword(1));
    EXPECT_FALSE(machine->Save().empty());
    machine.reset();
    EXPECT_EQ(FolderNames(folder.path()), (std::set<std::string>{"drive_c", "registry.reg"}));
    EXPECT_EQ(content.empty() ? "" : folder.Read(file), content);
  }
}

TEST(PortableMachine, SystemInfoComesFromMachineIni) {
  MachineFolder folder;
  folder.Write(folder.path() / "machine.ini",
               "[machine]\nuser=joe\nwindows=C:\\WINNT\\\nplatform=2\nmajor=5\nminor=0\n"
               "program=D:\\Apps\\Quellorn\\\n[locale]\ndecimal=,\n"
               "[clock]\nnow=2003-07-15 08:05:09\n");
  auto machine = folder.Open();
  SystemInfo& system = machine->platform().system;
  EXPECT_EQ(system.UserName(), "joe");
  EXPECT_EQ(system.WindowsFolder(), "C:\\WINNT");
  EXPECT_EQ(system.ProgramFolder(), "D:\\Apps\\Quellorn");
  EXPECT_EQ(system.Version().major, 5u);
  EXPECT_EQ(system.Version().minor, 0u);
  EXPECT_EQ(system.Locale().decimal, ",");
  EXPECT_EQ(system.Locale().shortDate, "M/d/yyyy");
  const LocalTime now = system.Now();
  EXPECT_EQ(
      std::tuple(now.year, now.month, now.day, now.dayOfWeek, now.hour, now.minute, now.second),
      std::tuple(2003, 7, 15, 2, 8, 5, 9));
}

// A Windows folder at a drive root keeps its backslash; without a clock, Now is the host's time.
TEST(PortableMachine, RootWindowsFolderAndHostClock) {
  MachineFolder folder;
  folder.Write(folder.path() / "machine.ini", "[machine]\nwindows=C:\\\n");
  auto machine = folder.Open();
  EXPECT_EQ(machine->platform().system.WindowsFolder(), "C:\\");
  const LocalTime now = machine->platform().system.Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
}

TEST(PortableMachine, DrivesMapToFoldersOfTheMachine) {
  MachineFolder folder;
  folder.Write(folder.path() / "machine.ini", "[drives]\nd=data\n");
  std::filesystem::create_directory(folder.path() / "data");
  auto machine = folder.Open();
  FileSystem& files = machine->platform().files;
  std::unique_ptr<File> file;
  ASSERT_EQ(files.Open("d:\\On D.txt", OpenMode::kCreateAlways, file), kSuccess);
  file->Write("d", 1);
  file.reset();
  EXPECT_EQ(folder.Read(folder.path() / "data" / "On D.txt"), "d");
  EXPECT_EQ(files.CreateFolder("C:\\on c"), kSuccess);
  EXPECT_TRUE(std::filesystem::is_directory(folder.DriveC() / "on c"));
  for (const char* elsewhere : {"E:\\x", "x.txt", "\\\\server\\share\\x", "\\x"}) {
    EXPECT_EQ(files.CreateFolder(elsewhere), kPathNotFound) << elsewhere;
  }
}

}  // namespace
}  // namespace quellorn::platform
