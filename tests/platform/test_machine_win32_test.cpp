#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "support/reg_values.h"
#include "support/test_machine.h"
#include "support/test_machine_files.h"

namespace quellorn::testing {
namespace {

using namespace platform;

// The machine changes the real registry and file system of the test prefix; these tests look at
// both through a back end of their own after the machine is gone.
class TestMachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegKey::Create(registry, kCurrentUser, kKey, key), kSuccess);
    ASSERT_EQ(RegKey::Create(registry, kCurrentUser, std::string(kKey) + "\\leaf", leaf), kSuccess);
    ASSERT_EQ(registry.SetValue(key.get(), "kept", Dword(1)), kSuccess);
    ASSERT_EQ(registry.SetValue(key.get(), "changed", Dword(2)), kSuccess);
    ASSERT_EQ(registry.SetValue(key.get(), "deleted", Dword(3)), kSuccess);
    ASSERT_EQ(registry.SetValue(leaf.get(), "in leaf", Dword(4)), kSuccess);
  }

  void TearDown() override {
    leaf = RegKey();
    key = RegKey();
    registry.DeleteKey(kCurrentUser, std::string(kKey) + "\\leaf");
    registry.DeleteKey(kCurrentUser, kKey);
  }

  static constexpr const char* kKey = "Software\\QuellornTestMachine";
  Win32Platform real;
  Registry& registry = real.platform().registry;
  RegKey key;
  RegKey leaf;
};

TEST_F(TestMachineTest, RegistryChangesAreUndone) {
  {
    TestMachine machine;
    Registry& changed = machine.platform().registry;
    RegKey own;
    ASSERT_EQ(RegKey::Open(changed, kCurrentUser, kKey, own), kSuccess);
    EXPECT_EQ(changed.SetValue(own.get(), "changed", Dword(20)), kSuccess);
    EXPECT_EQ(changed.SetValue(own.get(), "changed", Dword(21)), kSuccess);
    EXPECT_EQ(changed.SetValue(own.get(), "added", Dword(5)), kSuccess);
    EXPECT_EQ(changed.DeleteValue(own.get(), "deleted"), kSuccess);
    EXPECT_EQ(changed.DeleteKey(own.get(), "leaf"), kSuccess);
    RegKey created;
    ASSERT_EQ(RegKey::Create(changed, own.get(), "new\\deeper", created), kSuccess);
    EXPECT_EQ(changed.SetValue(created.get(), "v", Dword(6)), kSuccess);
    // What the code under test puts into a key the machine created goes with the key.
    RegKey beyond;
    ASSERT_EQ(
        RegKey::Create(registry, kCurrentUser, std::string(kKey) + "\\new\\unrecorded", beyond),
        kSuccess);
  }
  EXPECT_EQ(ValueNames(registry, key.get()),
            (std::vector<std::string>{"changed", "deleted", "kept"}));
  EXPECT_EQ(SubkeyNames(registry, key.get()), std::vector<std::string>{"leaf"});
  RegKey restored;
  ASSERT_EQ(RegKey::Open(registry, key.get(), "leaf", restored), kSuccess);
  for (const auto& [handle, name, number] : {std::tuple{key.get(), "changed", 2u},
                                             {key.get(), "deleted", 3u},
                                             {restored.get(), "in leaf", 4u}}) {
    RegValue value;
    EXPECT_EQ(registry.QueryValue(handle, name, value), kSuccess) << name;
    EXPECT_EQ(value, Dword(number)) << name;
  }
}

TEST_F(TestMachineTest, FilesAreRemovedOrPutBack) {
  const std::string outside = "C:\\qtest-outside";
  std::string root;
  FileSystem& files = real.platform().files;
  WriteMachineFile(files, outside + "\\existing.txt", "before");
  {
    TestMachine machine;
    TestMachine other;
    root = machine.root();
    EXPECT_NE(other.root(), root);
    EXPECT_TRUE(root.starts_with("C:\\qtest\\"));
    machine.WriteFile(root + "\\deep\\er\\file.txt", "inside");
    EXPECT_EQ(machine.ReadFile(root + "\\deep\\er\\file.txt"), "inside");
    machine.WriteFile(outside + "\\existing.txt", "after");
    machine.WriteFile(outside + "\\new\\made.txt", "made");
    EXPECT_EQ(machine.ReadFile(outside + "\\existing.txt"), "after");
  }
  EXPECT_FALSE(files.Exists(root));
  EXPECT_FALSE(files.Exists(outside + "\\new"));
  EXPECT_EQ(ReadMachineFile(files, outside + "\\existing.txt"), "before");
  EXPECT_EQ(files.Delete(outside + "\\existing.txt"), kSuccess);
  EXPECT_EQ(files.RemoveFolder(outside), kSuccess);
}

}  // namespace
}  // namespace quellorn::testing
