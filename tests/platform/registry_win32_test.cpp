// What the Win32 registry does beyond the conformance cases, which run on it under Wine: names
// longer than its first buffers, text that cannot become UTF-16, the predefined keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/win32_base.h"
#include "support/reg_values.h"
#include "support/test_machine.h"

namespace quellorn::testing {
namespace {

using namespace platform;

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegKey::Create(registry, kCurrentUser, path, scratch), kSuccess);
  }

  TestMachine machine;
  Registry& registry = machine.platform().registry;
  // A key of this test alone, named after the machine's folder, which no other test program
  // running beside this one has; the machine removes it.
  const std::string path =
      "Software\\QuellornTest-" + machine.root().substr(machine.root().rfind('\\') + 1);
  RegKey scratch;
};

TEST_F(RegistryTest, NamesOfAnyLengthEnumerateWhole) {
  const std::vector<std::size_t> valueLengths = {1, 19, 20, 255, 256, 1000, 16383};
  const std::vector<std::size_t> keyLengths = {1, 20, 200, 255};
  std::vector<std::string> values;
  std::vector<std::string> keys;
  for (std::size_t length : valueLengths) {
    values.push_back(std::string(length - 1, 'v') + std::to_string(length % 10));
    ASSERT_EQ(registry.SetValue(scratch.get(), values.back(), Dword(1)), kSuccess) << length;
  }
  for (std::size_t length : keyLengths) {
    keys.push_back(std::string(length - 1, 'k') + std::to_string(length % 10));
    RegKey key;
    ASSERT_EQ(RegKey::Create(registry, scratch.get(), keys.back(), key), kSuccess) << length;
  }
  std::vector<std::string> listedValues = ValueNames(registry, scratch.get());
  std::vector<std::string> listedKeys = SubkeyNames(registry, scratch.get());
  for (auto* names : {&values, &keys, &listedValues, &listedKeys})
    std::sort(names->begin(), names->end());
  EXPECT_EQ(listedValues, values);
  EXPECT_EQ(listedKeys, keys);
}

TEST_F(RegistryTest, NamesThatAreNotUtf8AreRefused) {
  const std::string bad = "bad\xFF\xFEname";
  const std::string withNul("cut\0off", 7);
  RegHandle handle = 0;
  for (const std::string& name : {bad, withNul}) {
    EXPECT_EQ(registry.CreateKey(scratch.get(), name, handle), kInvalidParameter);
    EXPECT_EQ(registry.SetValue(scratch.get(), name, Dword(1)), kInvalidParameter);
  }
  ASSERT_EQ(registry.SetValue(scratch.get(), "cut", Dword(1)), kSuccess);
  EXPECT_EQ(registry.DeleteValue(scratch.get(), withNul), kInvalidParameter);
  EXPECT_EQ(ValueNames(registry, scratch.get()), std::vector<std::string>{"cut"});
  EXPECT_EQ(SubkeyNames(registry, scratch.get()), std::vector<std::string>{});
}

// The predefined keys are 32-bit numbers in the interface and sign-extended HKEYs in the 64-bit
// API; a value written through one must be what the other reads.
TEST_F(RegistryTest, RootKeysAreThePredefinedKeys) {
  Win32Registry real;
  RegKey key;
  ASSERT_EQ(RegKey::Open(real, kCurrentUser, path, key), kSuccess);
  ASSERT_EQ(real.SetValue(key.get(), "seen", Dword(0x01020304)), kSuccess);

  std::wstring wide;
  ASSERT_TRUE(win32::ToWide(path, wide));
  DWORD data = 0;
  DWORD size = sizeof data;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, wide.c_str(), L"seen", RRF_RT_REG_DWORD, nullptr, &data,
                         &size),
            ERROR_SUCCESS);
  EXPECT_EQ(data, 0x01020304u);
}

}  // namespace
}  // namespace quellorn::testing
