#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/win32_base.h"
#include "registry_values.h"
#include "scratch_key.h"
#include "support/test_machine.h"

namespace quellorn::testing {
namespace {

using namespace platform;

class RegistryTest : public ::testing::Test {
 protected:
  RegKey Create(std::string_view subKey) {
    RegKey key;
    EXPECT_EQ(RegKey::Create(registry, scratch.get(), subKey, key), kSuccess) << subKey;
    return key;
  }

  TestMachine machine;
  Registry& registry = machine.platform().registry;
  ScratchKey scratch{machine};
};

TEST_F(RegistryTest, MissingKeysAndValuesAnswerFileNotFound) {
  RegHandle handle = 0;
  RegValue value;
  EXPECT_EQ(registry.OpenKey(scratch.get(), "missing", handle), kFileNotFound);
  EXPECT_EQ(registry.OpenKey(scratch.get(), "missing\\deeper", handle), kFileNotFound);
  EXPECT_EQ(registry.QueryValue(scratch.get(), "missing", value), kFileNotFound);
  EXPECT_EQ(registry.DeleteValue(scratch.get(), "missing"), kFileNotFound);
  EXPECT_EQ(registry.DeleteKey(scratch.get(), "missing"), kFileNotFound);
}

TEST_F(RegistryTest, EnumerationEndsWithNoMoreItems) {
  std::string name;
  EXPECT_EQ(registry.EnumValue(scratch.get(), 0, name), kNoMoreItems);
  EXPECT_EQ(registry.EnumKey(scratch.get(), 0, name), kNoMoreItems);
  Create("one");
  ASSERT_EQ(registry.SetValue(scratch.get(), "v", DwordValue(1)), kSuccess);
  EXPECT_EQ(registry.EnumKey(scratch.get(), 0, name), kSuccess);
  EXPECT_EQ(registry.EnumKey(scratch.get(), 1, name), kNoMoreItems);
  EXPECT_EQ(registry.EnumValue(scratch.get(), 0, name), kSuccess);
  EXPECT_EQ(registry.EnumValue(scratch.get(), 1, name), kNoMoreItems);
}

TEST_F(RegistryTest, DeleteKeyRemovesLeavesOnly) {
  Create("parent\\child");
  EXPECT_EQ(registry.DeleteKey(scratch.get(), "parent"), kAccessDenied);
  RegKey parent;
  EXPECT_EQ(RegKey::Open(registry, scratch.get(), "parent", parent), kSuccess);
  EXPECT_EQ(registry.DeleteKey(scratch.get(), "parent\\child"), kSuccess);
  EXPECT_EQ(registry.DeleteKey(scratch.get(), "parent"), kSuccess);
  EXPECT_EQ(SubkeyNames(registry, scratch.get()), std::vector<std::string>{});
}

TEST_F(RegistryTest, HandleOfADeletedKeyAnswersKeyDeleted) {
  RegKey doomed = Create("doomed");
  ASSERT_EQ(registry.SetValue(doomed.get(), "v", DwordValue(7)), kSuccess);
  ASSERT_EQ(registry.DeleteKey(scratch.get(), "doomed"), kSuccess);

  RegValue value;
  std::string name;
  RegHandle handle = 0;
  EXPECT_EQ(registry.QueryValue(doomed.get(), "v", value), kKeyDeleted);
  EXPECT_EQ(registry.SetValue(doomed.get(), "w", DwordValue(1)), kKeyDeleted);
  EXPECT_EQ(registry.DeleteValue(doomed.get(), "v"), kKeyDeleted);
  EXPECT_EQ(registry.EnumValue(doomed.get(), 0, name), kKeyDeleted);
  EXPECT_EQ(registry.EnumKey(doomed.get(), 0, name), kKeyDeleted);
  EXPECT_EQ(registry.CreateKey(doomed.get(), "sub", handle), kKeyDeleted);
  EXPECT_EQ(registry.OpenKey(scratch.get(), "doomed", handle), kFileNotFound);
}

TEST_F(RegistryTest, ClosedAndNullHandlesAreInvalid) {
  RegHandle handle = 0;
  ASSERT_EQ(registry.OpenKey(kCurrentUser, scratch.path(), handle), kSuccess);
  EXPECT_EQ(registry.CloseKey(handle), kSuccess);
  EXPECT_EQ(registry.CloseKey(handle), kInvalidHandle);
  RegValue value;
  EXPECT_EQ(registry.OpenKey(0, "Software", handle), kInvalidHandle);
  EXPECT_EQ(registry.QueryValue(0, "", value), kInvalidHandle);
}

TEST_F(RegistryTest, NamesOfAnyLengthEnumerateWhole) {
  const std::vector<std::size_t> valueLengths = {1, 19, 20, 255, 256, 1000, 16383};
  const std::vector<std::size_t> keyLengths = {1, 20, 200, 255};
  std::vector<std::string> values;
  std::vector<std::string> keys;
  for (std::size_t length : valueLengths) {
    values.push_back(std::string(length - 1, 'v') + std::to_string(length % 10));
    ASSERT_EQ(registry.SetValue(scratch.get(), values.back(), DwordValue(1)), kSuccess) << length;
  }
  for (std::size_t length : keyLengths) {
    keys.push_back(std::string(length - 1, 'k') + std::to_string(length % 10));
    Create(keys.back());
  }
  std::vector<std::string> listedValues = ValueNames(registry, scratch.get());
  std::vector<std::string> listedKeys = SubkeyNames(registry, scratch.get());
  for (auto* names : {&values, &keys, &listedValues, &listedKeys})
    std::sort(names->begin(), names->end());
  EXPECT_EQ(listedValues, values);
  EXPECT_EQ(listedKeys, keys);
}

TEST_F(RegistryTest, NamesOutsideTheAnsiCodePageRoundTrip) {
  const std::vector<std::string> names = {"\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1",
                                          "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
                                          "smile \xF0\x9F\x98\x80",
                                          "Gr\xC3\xBC\xC3\x9F"
                                          "e"};
  for (const std::string& name : names) {
    RegKey key = Create(name);
    ASSERT_EQ(registry.SetValue(key.get(), name, DwordValue(42)), kSuccess) << name;
  }
  std::vector<std::string> expected = names;
  std::vector<std::string> listed = SubkeyNames(registry, scratch.get());
  std::sort(expected.begin(), expected.end());
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, expected);
  for (const std::string& name : names) {
    RegKey key;
    ASSERT_EQ(RegKey::Open(registry, scratch.get(), name, key), kSuccess) << name;
    EXPECT_EQ(ValueNames(registry, key.get()), std::vector<std::string>{name});
    RegValue value;
    EXPECT_EQ(registry.QueryValue(key.get(), name, value), kSuccess);
    EXPECT_EQ(value, DwordValue(42));
  }
}

TEST_F(RegistryTest, NamesKeepTheirCaseAndMatchInAnyCase) {
  Create("MixedCase");
  ASSERT_EQ(registry.SetValue(scratch.get(), "ValueName", DwordValue(3)), kSuccess);
  RegKey key;
  EXPECT_EQ(RegKey::Open(registry, scratch.get(), "mIXEDcASE", key), kSuccess);
  RegValue value;
  EXPECT_EQ(registry.QueryValue(scratch.get(), "VALUENAME", value), kSuccess);
  EXPECT_EQ(SubkeyNames(registry, scratch.get()), std::vector<std::string>{"MixedCase"});
  EXPECT_EQ(ValueNames(registry, scratch.get()), std::vector<std::string>{"ValueName"});
}

struct ValueCase {
  const char* label;
  RegValue value;
};

std::vector<ValueCase> ValueCases() {
  RegValue large{reg_type::kBinary, std::vector<std::uint8_t>(1 << 20)};
  for (std::size_t i = 0; i < large.data.size(); ++i)
    large.data[i] = static_cast<std::uint8_t>(i * 7);
  return {
      {"string with its NUL", Utf16Value(reg_type::kSz, std::u16string(u"abc\0", 4))},
      {"string without NUL", Utf16Value(reg_type::kSz, u"abc")},
      {"string of odd length", {reg_type::kSz, {'a', 0, 'b'}}},
      {"empty string", {reg_type::kSz, {}}},
      {"expandable", Utf16Value(reg_type::kExpandSz, std::u16string(u"%TEMP%\\x\0", 9))},
      {"multi string", Utf16Value(reg_type::kMultiSz, std::u16string(u"one\0two\0\0", 9))},
      {"empty binary", {reg_type::kBinary, {}}},
      {"binary of one megabyte", large},
      {"dword", DwordValue(0xDEADBEEF)},
      {"big-endian dword", {reg_type::kDwordBigEndian, {1, 2, 3, 4}}},
      {"qword", {reg_type::kQword, {1, 2, 3, 4, 5, 6, 7, 8}}},
      {"none", {reg_type::kNone, {9}}},
      {"type of no known meaning", {0x12345, {1, 2}}},
  };
}

TEST_F(RegistryTest, ValuesRoundTripByteForByte) {
  for (const ValueCase& test : ValueCases()) {
    SCOPED_TRACE(test.label);
    ASSERT_EQ(registry.SetValue(scratch.get(), test.label, test.value), kSuccess);
    RegValue read;
    ASSERT_EQ(registry.QueryValue(scratch.get(), test.label, read), kSuccess);
    EXPECT_EQ(read.type, test.value.type);
    EXPECT_EQ(read.data, test.value.data);
  }
}

TEST_F(RegistryTest, DefaultValueHasTheEmptyName) {
  const RegValue value = Utf16Value(reg_type::kSz, std::u16string(u"default\0", 8));
  ASSERT_EQ(registry.SetValue(scratch.get(), "", value), kSuccess);
  RegValue read;
  EXPECT_EQ(registry.QueryValue(scratch.get(), "", read), kSuccess);
  EXPECT_EQ(read, value);
  EXPECT_EQ(ValueNames(registry, scratch.get()), std::vector<std::string>{""});
  EXPECT_EQ(registry.DeleteValue(scratch.get(), ""), kSuccess);
  EXPECT_EQ(registry.QueryValue(scratch.get(), "", read), kFileNotFound);
}

TEST_F(RegistryTest, NamesThatAreNotUtf8AreRefused) {
  const std::string bad = "bad\xFF\xFEname";
  const std::string withNul("cut\0off", 7);
  RegHandle handle = 0;
  for (const std::string& name : {bad, withNul}) {
    EXPECT_EQ(registry.CreateKey(scratch.get(), name, handle), kInvalidParameter);
    EXPECT_EQ(registry.SetValue(scratch.get(), name, DwordValue(1)), kInvalidParameter);
  }
  ASSERT_EQ(registry.SetValue(scratch.get(), "cut", DwordValue(1)), kSuccess);
  EXPECT_EQ(registry.DeleteValue(scratch.get(), withNul), kInvalidParameter);
  EXPECT_EQ(ValueNames(registry, scratch.get()), std::vector<std::string>{"cut"});
  EXPECT_EQ(SubkeyNames(registry, scratch.get()), std::vector<std::string>{});
}

TEST_F(RegistryTest, CreateKeyMakesMissingParentsAndOpensExistingKeys) {
  Create("a\\b\\c");
  RegKey middle;
  EXPECT_EQ(RegKey::Open(registry, scratch.get(), "a\\b", middle), kSuccess);
  RegKey again = Create("a\\b\\c");
  EXPECT_EQ(SubkeyNames(registry, middle.get()), std::vector<std::string>{"c"});
}

TEST_F(RegistryTest, EmptySubkeyOpensTheKeyAgain) {
  ASSERT_EQ(registry.SetValue(scratch.get(), "seen", DwordValue(5)), kSuccess);
  RegKey same;
  ASSERT_EQ(RegKey::Open(registry, scratch.get(), "", same), kSuccess);
  RegValue value;
  EXPECT_EQ(registry.QueryValue(same.get(), "seen", value), kSuccess);
}

TEST_F(RegistryTest, SubkeysEnumerateInNameOrderIgnoringCase) {
  for (const char* name : {"zeta", "Alpha", "mid", "beta", "Zulu", "aa"})
    Create(name);
  EXPECT_EQ(SubkeyNames(registry, scratch.get()),
            (std::vector<std::string>{"aa", "Alpha", "beta", "mid", "zeta", "Zulu"}));
}

TEST_F(RegistryTest, RootKeysOpen) {
  for (RegHandle root : {kClassesRoot, kCurrentUser, kLocalMachine, kUsers, kCurrentConfig}) {
    RegKey key;
    EXPECT_EQ(RegKey::Open(registry, root, "", key), kSuccess) << std::hex << root;
  }
  RegKey software;
  EXPECT_EQ(RegKey::Open(registry, kLocalMachine, "Software", software), kSuccess);
}

// The predefined keys are 32-bit numbers in the interface and sign-extended HKEYs in the 64-bit
// API; a value written through one must be what the other reads.
TEST(Win32RegistryTest, RootKeysAreThePredefinedKeys) {
  TestMachine machine;
  ScratchKey scratch(machine);
  Win32Registry registry;
  RegHandle root = 0;
  ASSERT_EQ(registry.OpenKey(kCurrentUser, "", root), kSuccess);
  EXPECT_EQ(root, kCurrentUser);
  RegKey key;
  ASSERT_EQ(RegKey::Open(registry, kCurrentUser, scratch.path(), key), kSuccess);
  ASSERT_EQ(registry.SetValue(key.get(), "seen", DwordValue(0x01020304)), kSuccess);

  std::wstring path;
  ASSERT_TRUE(win32::ToWide(scratch.path(), path));
  DWORD data = 0;
  DWORD size = sizeof data;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, path.c_str(), L"seen", RRF_RT_REG_DWORD, nullptr, &data,
                         &size),
            ERROR_SUCCESS);
  EXPECT_EQ(data, 0x01020304u);
}

}  // namespace
}  // namespace quellorn::testing
