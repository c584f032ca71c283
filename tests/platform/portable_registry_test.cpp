// What the in-memory registry does beyond the shared conformance cases: the order it keeps
// values in (Windows' order, where Wine sorts), what it exports, when it reports changes.

#include "platform/portable/registry_portable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/reg_values.h"

namespace quellorn::platform {
namespace {

using testing::Dword;
using testing::ValueNames;

TEST(PortableRegistry, ValuesEnumerateByNameAsWineListsThem) {
  PortableRegistry registry;
  RegKey key;
  ASSERT_EQ(RegKey::Create(registry, kCurrentUser, "T", key), kSuccess);
  for (const char* name : {"b", "A", "", "c", "a1"})
    registry.SetValue(key.get(), name, Dword(1));
  registry.SetValue(key.get(), "B", Dword(2));  // replaces "b", keeping its spelling
  EXPECT_EQ(ValueNames(registry, key.get()), (std::vector<std::string>{"", "A", "a1", "b", "c"}));
  registry.DeleteValue(key.get(), "A");
  registry.SetValue(key.get(), "Aa", Dword(3));
  EXPECT_EQ(ValueNames(registry, key.get()), (std::vector<std::string>{"", "a1", "Aa", "b", "c"}));
}

TEST(PortableRegistry, ExportsEveryKeyInTreeOrder) {
  PortableRegistry registry;
  RegKey key;
  ASSERT_EQ(RegKey::Create(registry, kLocalMachine, "Software\\B", key), kSuccess);
  ASSERT_EQ(RegKey::Create(registry, kCurrentUser, "x\\Empty", key), kSuccess);
  ASSERT_EQ(RegKey::Create(registry, kLocalMachine, "Software\\a", key), kSuccess);
  registry.SetValue(key.get(), "v", Dword(7));
  registry.SetValue(kDynData, "root value", Dword(8));

  RegFile file = registry.Export();
  std::vector<std::pair<RegHandle, std::string>> keys;
  for (const RegFileKey& k : file.keys)
    keys.emplace_back(k.root, k.path);
  EXPECT_EQ(keys, (std::vector<std::pair<RegHandle, std::string>>{{kCurrentUser, "x"},
                                                                  {kCurrentUser, "x\\Empty"},
                                                                  {kLocalMachine, "Software"},
                                                                  {kLocalMachine, "Software\\a"},
                                                                  {kLocalMachine, "Software\\B"},
                                                                  {kDynData, ""}}));
  ASSERT_EQ(file.keys[3].values.size(), 1u);
  EXPECT_EQ(file.keys[3].values[0].name, "v");
  EXPECT_EQ(file.keys[3].values[0].value, Dword(7));
}

TEST(PortableRegistry, ReportsEveryChangeAndNothingElse) {
  PortableRegistry registry;
  int changes = 0;
  registry.SetChangeHandler([&] { ++changes; });
  RegKey key;
  RegValue value;
  std::string name;

  ASSERT_EQ(RegKey::Create(registry, kCurrentUser, "a\\b", key), kSuccess);
  EXPECT_EQ(changes, 1);
  RegKey::Create(registry, kCurrentUser, "a\\b", key);  // exists already
  RegKey::Open(registry, kCurrentUser, "a", key);
  registry.QueryValue(key.get(), "v", value);
  registry.EnumKey(key.get(), 0, name);
  registry.DeleteValue(key.get(), "missing");
  registry.DeleteKey(key.get(), "missing");
  registry.DeleteKey(kCurrentUser, "a");  // has a subkey
  EXPECT_EQ(changes, 1);
  registry.SetValue(key.get(), "v", Dword(1));
  registry.SetValue(key.get(), "v", Dword(1));
  registry.DeleteValue(key.get(), "v");
  registry.DeleteKey(key.get(), "b");
  EXPECT_EQ(changes, 5);
}

TEST(PortableRegistry, HandlesAreNotReused) {
  PortableRegistry registry;
  RegHandle first = 0, second = 0;
  ASSERT_EQ(registry.CreateKey(kCurrentUser, "a", first), kSuccess);
  ASSERT_EQ(registry.CloseKey(first), kSuccess);
  ASSERT_EQ(registry.CreateKey(kCurrentUser, "b", second), kSuccess);
  EXPECT_NE(first, second);
  EXPECT_EQ(registry.SetValue(first, "v", Dword(1)), kInvalidHandle);
  registry.CloseKey(second);
}

TEST(PortableRegistry, KeyOfAnyDepthGoesWithoutExhaustingTheStack) {
  auto registry = std::make_unique<PortableRegistry>();
  RegKey key;
  ASSERT_EQ(RegKey::Create(*registry, kCurrentUser, "deep", key), kSuccess);
  for (int depth = 0; depth < 100000; ++depth) {
    RegKey next;
    ASSERT_EQ(RegKey::Create(*registry, key.get(), "k", next), kSuccess);
    key = std::move(next);
  }
  key = RegKey();
  registry.reset();
}

}  // namespace
}  // namespace quellorn::platform
