// The registry as every back end must answer it: written against TestMachine alone, so the
// same cases run on a machine folder and, in the Windows build, on Wine's registry.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "support/reg_values.h"
#include "support/test_machine.h"

namespace quellorn::platform {
namespace {

using testing::Bytes;
using testing::Dword;
using testing::Sz;

constexpr RegHandle kBogusHandle = 0x12345678;

// Each test works below a key of its own under HKEY_CURRENT_USER, which the machine removes.
class RegistryConformance : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    base_ = std::string("Software\\Quellorn Conformance\\") + test->name();
    ASSERT_EQ(RegKey::Create(registry(), kCurrentUser, base_, key_), kSuccess);
  }

  Registry& registry() { return machine_.platform().registry; }
  RegHandle key() const { return key_.get(); }

  std::vector<std::string> SubkeyNames(RegHandle handle) {
    return testing::SubkeyNames(registry(), handle);
  }

  // By name, as Wine lists them and the portable registry keeps them.
  std::vector<std::string> ValueNames(RegHandle handle) {
    return testing::ValueNames(registry(), handle);
  }

  Status Create(std::string_view path) {
    RegKey created;
    return RegKey::Create(registry(), key(), path, created);
  }

  Status Open(std::string_view path) {
    RegKey opened;
    return RegKey::Open(registry(), key(), path, opened);
  }

  testing::TestMachine machine_;
  std::string base_;
  RegKey key_;
};

TEST_F(RegistryConformance, MissingKeysAndValuesAnswerFileNotFound) {
  RegValue value;
  EXPECT_EQ(Open("missing"), kFileNotFound);
  EXPECT_EQ(Open("missing\\deeper"), kFileNotFound);
  EXPECT_EQ(registry().QueryValue(key(), "missing", value), kFileNotFound);
  EXPECT_EQ(registry().QueryValue(key(), "", value), kFileNotFound);
  EXPECT_EQ(registry().DeleteValue(key(), "missing"), kFileNotFound);
  EXPECT_EQ(registry().DeleteKey(key(), "missing"), kFileNotFound);
  EXPECT_EQ(registry().DeleteKey(key(), "missing\\deeper"), kFileNotFound);
}

TEST_F(RegistryConformance, CreateMakesMissingParentsAndReopensExistingKeys) {
  EXPECT_EQ(Create("a\\b\\c"), kSuccess);
  EXPECT_EQ(Open("a\\b\\c"), kSuccess);
  EXPECT_EQ(Create("a\\b"), kSuccess);
  EXPECT_EQ(Open(""), kSuccess);
  EXPECT_EQ(SubkeyNames(key()), std::vector<std::string>{"a"});
}

// UTF-8 names round-trip.
TEST_F(RegistryConformance, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
  ASSERT_EQ(Create("MixedCase\\Sub"), kSuccess);
  EXPECT_EQ(Open("MIXEDCASE\\sub"), kSuccess);
  EXPECT_EQ(Create("mixedcase"), kSuccess);
  EXPECT_EQ(SubkeyNames(key()), std::vector<std::string>{"MixedCase"});

  ASSERT_EQ(registry().SetValue(key(), "Value", Dword(1)), kSuccess);
  ASSERT_EQ(registry().SetValue(key(), "VALUE", Dword(2)), kSuccess);
  RegValue value;
  ASSERT_EQ(registry().QueryValue(key(), "value", value), kSuccess);
  EXPECT_EQ(value, Dword(2));
  EXPECT_EQ(ValueNames(key()), std::vector<std::string>{"Value"});

  const std::string utf8 = "\xE2\x82\xAC \xF0\x9F\x98\x80 \xE4\xB8\xAD";
  ASSERT_EQ(Create(utf8), kSuccess);
  EXPECT_EQ(SubkeyNames(key()), (std::vector<std::string>{"MixedCase", utf8}));
  ASSERT_EQ(registry().SetValue(key(), utf8, Dword(1)), kSuccess);
  EXPECT_EQ(ValueNames(key()), (std::vector<std::string>{"Value", utf8}));
}

// Letters outside ASCII match their other case; a few look-alikes do not.
TEST_F(RegistryConformance, UnicodeNamesMatchWithoutRegardToCase) {
  struct Case {
    const char* created;
    const char* opened;
    bool same;
  };
  for (const Case& c : {Case{"\xC3\x84\xC3\x96\xC3\x9C", "\xC3\xA4\xC3\xB6\xC3\xBC", true},
                        Case{"\xCE\xA3", "\xCF\x83", true},          // sigma
                        Case{"\xD0\xAF", "\xD1\x8F", true},          // ya
                        Case{"\xC5\xB8", "\xC3\xBF", true},          // y diaeresis
                        Case{"\xEF\xBC\xA1", "\xEF\xBD\x81", true},  // fullwidth A
                        Case{"\xCE\xA3", "\xCF\x82", false},         // final sigma
                        Case{"\xE2\x84\xAA", "k", false},            // Kelvin sign
                        Case{"\xC4\xB0", "i", false},                // dotted capital I
                        Case{"\xC3\x9F", "SS", false},               // sharp s
                        Case{"\xF0\x90\x90\x80", "\xF0\x90\x90\xA8", false}}) {
    ASSERT_EQ(Create(c.created), kSuccess) << c.created;
    EXPECT_EQ(Open(c.opened), c.same ? kSuccess : kFileNotFound) << c.created << " " << c.opened;
  }
}

TEST_F(RegistryConformance, SubkeysEnumerateInNameOrderWithoutRegardToCase) {
  for (const char* name : {"b", "A", "c", "_x", "a1", "B2", "~", "Z", "10", "9"}) {
    ASSERT_EQ(Create(name), kSuccess);
  }
  EXPECT_EQ(SubkeyNames(key()),
            (std::vector<std::string>{"10", "9", "_x", "A", "a1", "b", "B2", "c", "Z", "~"}));
  std::string name;
  EXPECT_EQ(registry().EnumKey(key(), 10, name), kNoMoreItems);
  EXPECT_EQ(registry().EnumKey(key(), 1000, name), kNoMoreItems);
}

TEST_F(RegistryConformance, ValuesEnumerateByNameIncludingTheDefault) {
  for (const char* name : {"one", "", "two", "three"}) {
    ASSERT_EQ(registry().SetValue(key(), name, Sz(u"x")), kSuccess);
  }
  EXPECT_EQ(ValueNames(key()), (std::vector<std::string>{"", "one", "three", "two"}));
  std::string name;
  EXPECT_EQ(registry().EnumValue(key(), 4, name), kNoMoreItems);
  ASSERT_EQ(registry().DeleteValue(key(), ""), kSuccess);
  EXPECT_EQ(registry().DeleteValue(key(), ""), kFileNotFound);
  EXPECT_EQ(ValueNames(key()), (std::vector<std::string>{"one", "three", "two"}));
}

TEST_F(RegistryConformance, ValuesComeBackByteForByte) {
  RegValue large{reg_type::kBinary, std::vector<std::uint8_t>(1 << 20)};
  for (std::size_t i = 0; i < large.data.size(); ++i)
    large.data[i] = static_cast<std::uint8_t>(i * 7);
  const RegValue values[] = {
      large,  // larger than any first buffer
      Sz(u"text"),
      Bytes(reg_type::kSz, {0x61, 0x00}),  // no terminating NUL, as an ANSI writer leaves it
      Bytes(reg_type::kSz, {}),
      Bytes(reg_type::kSz, {0x61, 0x00, 0x62}),
      Sz(u"%TEMP%\\x", reg_type::kExpandSz),
      Bytes(reg_type::kMultiSz, {0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0}),
      Bytes(reg_type::kBinary, {}),
      Bytes(reg_type::kBinary, {0, 1, 2, 0xFF}),
      Dword(0xFFFFFFFF),
      Bytes(reg_type::kDword, {1, 2}),
      Bytes(reg_type::kQword, {1, 2, 3, 4, 5, 6, 7, 8}),
      Bytes(reg_type::kDwordBigEndian, {1, 2, 3, 4}),
      Bytes(reg_type::kNone, {}),
      Bytes(99, {7}),
      Sz(u"\u00e9\u20ac\U0001F600"),
  };
  for (const RegValue& value : values) {
    ASSERT_EQ(registry().SetValue(key(), "v", value), kSuccess);
    RegValue read;
    ASSERT_EQ(registry().QueryValue(key(), "v", read), kSuccess);
    EXPECT_EQ(read, value) << "type " << value.type << ", " << value.data.size() << " bytes";
  }
}

TEST_F(RegistryConformance, OnlyLeavesDeleteAndAnEmptySubkeyDeletesTheKeyButNoRoot) {
  ASSERT_EQ(Create("parent\\child"), kSuccess);
  EXPECT_EQ(registry().DeleteKey(key(), "parent"), kAccessDenied);
  EXPECT_EQ(registry().DeleteKey(key(), "parent\\child"), kSuccess);
  EXPECT_EQ(registry().DeleteKey(key(), "parent"), kSuccess);
  EXPECT_EQ(Open("parent"), kFileNotFound);
  RegKey self;
  ASSERT_EQ(RegKey::Create(registry(), key(), "self", self), kSuccess);
  EXPECT_EQ(registry().DeleteKey(self.get(), ""), kSuccess);
  EXPECT_EQ(Open("self"), kFileNotFound);
  EXPECT_EQ(registry().DeleteKey(kCurrentUser, ""), kAccessDenied);
}

TEST_F(RegistryConformance, HandleOfADeletedKeyAnswersKeyDeleted) {
  RegHandle deleted = 0;
  ASSERT_EQ(registry().CreateKey(key(), "gone", deleted), kSuccess);
  ASSERT_EQ(registry().SetValue(deleted, "v", Dword(1)), kSuccess);
  ASSERT_EQ(registry().DeleteKey(key(), "gone"), kSuccess);

  RegValue value;
  std::string name;
  RegHandle opened = 0;
  EXPECT_EQ(registry().QueryValue(deleted, "v", value), kKeyDeleted);
  EXPECT_EQ(registry().SetValue(deleted, "w", Dword(1)), kKeyDeleted);
  EXPECT_EQ(registry().DeleteValue(deleted, "v"), kKeyDeleted);
  EXPECT_EQ(registry().EnumValue(deleted, 0, name), kKeyDeleted);
  EXPECT_EQ(registry().EnumKey(deleted, 0, name), kKeyDeleted);
  EXPECT_EQ(registry().OpenKey(deleted, "", opened), kKeyDeleted);
  EXPECT_EQ(registry().CreateKey(deleted, "x", opened), kKeyDeleted);
  EXPECT_EQ(registry().DeleteKey(deleted, ""), kKeyDeleted);
  // A new key of the same name is another key.
  ASSERT_EQ(Create("gone"), kSuccess);
  EXPECT_EQ(registry().QueryValue(deleted, "v", value), kKeyDeleted);
  EXPECT_EQ(registry().CloseKey(deleted), kSuccess);
  EXPECT_EQ(registry().CloseKey(deleted), kInvalidHandle);
}

TEST_F(RegistryConformance, UnknownAndClosedHandlesAnswerInvalidHandle) {
  RegValue value;
  std::string name;
  RegHandle opened = 0;
  for (RegHandle bogus : {kBogusHandle, RegHandle{0}, RegHandle{0x80000007}}) {
    EXPECT_EQ(registry().OpenKey(bogus, "x", opened), kInvalidHandle);
    EXPECT_EQ(registry().QueryValue(bogus, "x", value), kInvalidHandle);
    EXPECT_EQ(registry().SetValue(bogus, "x", Dword(1)), kInvalidHandle);
    EXPECT_EQ(registry().EnumKey(bogus, 0, name), kInvalidHandle);
  }
  EXPECT_EQ(registry().CloseKey(kBogusHandle), kInvalidHandle);
  EXPECT_EQ(registry().CloseKey(0), kInvalidHandle);
  // Values in the range of the predefined keys close without complaint.
  EXPECT_EQ(registry().CloseKey(0x80000007), kSuccess);
  {
    RegKey scoped;  // closes its handle
    ASSERT_EQ(RegKey::Create(registry(), key(), "scoped", scoped), kSuccess);
    opened = scoped.get();
  }
  EXPECT_EQ(registry().CloseKey(opened), kInvalidHandle);
}

TEST_F(RegistryConformance, RootsOpenAsThemselvesAndDynDataHoldsKeys) {
  for (RegHandle root : {kClassesRoot, kCurrentUser, kLocalMachine, kUsers, kCurrentConfig,
                         kDynData, kPerformanceData}) {
    RegHandle opened = 0;
    EXPECT_EQ(registry().OpenKey(root, "", opened), kSuccess) << root;
    EXPECT_EQ(opened, root);
    EXPECT_EQ(registry().CloseKey(root), kSuccess) << root;
  }
  RegKey dyn;  // an ordinary key
  ASSERT_EQ(RegKey::Create(registry(), kDynData, "Quellorn Conformance", dyn), kSuccess);
  EXPECT_EQ(registry().SetValue(dyn.get(), "v", Dword(1)), kSuccess);
  dyn = RegKey();
  EXPECT_EQ(registry().DeleteKey(kDynData, "Quellorn Conformance"), kSuccess);
}

TEST_F(RegistryConformance, PerformanceDataHasNoKeysAndAnswersQueries) {
  RegHandle opened = 0;
  RegValue value;
  std::string name;
  EXPECT_EQ(registry().OpenKey(kPerformanceData, "x", opened), kInvalidHandle);
  EXPECT_EQ(registry().CreateKey(kPerformanceData, "x", opened), kInvalidHandle);
  EXPECT_EQ(registry().EnumKey(kPerformanceData, 0, name), kInvalidHandle);
  EXPECT_EQ(registry().EnumValue(kPerformanceData, 0, name), kInvalidHandle);
  EXPECT_EQ(registry().SetValue(kPerformanceData, "x", Dword(1)), kInvalidHandle);
  EXPECT_EQ(registry().DeleteValue(kPerformanceData, "x"), kInvalidHandle);
  EXPECT_EQ(registry().DeleteKey(kPerformanceData, "x"), kInvalidHandle);
  EXPECT_EQ(registry().QueryValue(kPerformanceData, "Global", value), kSuccess);
  EXPECT_EQ(value.type, reg_type::kBinary);
}

TEST_F(RegistryConformance, PathsSkipEmptyNamesRefuseALeadingBackslashAndHaveWinesLengths) {
  EXPECT_EQ(Create("\\lead"), kBadPathname);
  EXPECT_EQ(Open("\\lead"), kBadPathname);
  EXPECT_EQ(Create("a\\\\b\\"), kSuccess);
  EXPECT_EQ(Open("a\\b"), kSuccess);
  EXPECT_EQ(Open("a\\b\\"), kSuccess);
  EXPECT_EQ(Create("c/d"), kSuccess);  // a slash is part of a name
  EXPECT_EQ(SubkeyNames(key()), (std::vector<std::string>{"a", "c/d"}));
  EXPECT_EQ(Create(std::string(256, 'k')), kSuccess);
  EXPECT_EQ(Open(std::string(256, 'k')), kSuccess);
  EXPECT_EQ(Create(std::string(257, 'k')), kInvalidParameter);
  EXPECT_EQ(Open(std::string(257, 'k')), kInvalidParameter);
  EXPECT_EQ(registry().SetValue(key(), std::string(16383, 'v'), Dword(1)), kSuccess);
  EXPECT_EQ(registry().SetValue(key(), std::string(16384, 'v'), Dword(1)), kInvalidParameter);
  RegValue value;
  EXPECT_EQ(registry().QueryValue(key(), std::string(16384, 'v'), value), kFileNotFound);
}

TEST_F(RegistryConformance, LoadRegAppliesATextAndExpandsRoot) {
  machine_.LoadReg(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\" +
      base_ +
      "\\Loaded]\r\n"
      "\"path\"=\"$ROOT\\\\file.txt\"\r\n"
      "\"n\"=dword:00000005\r\n");
  RegKey loaded;
  ASSERT_EQ(RegKey::Open(registry(), key(), "Loaded", loaded), kSuccess);
  RegValue value;
  ASSERT_EQ(registry().QueryValue(loaded.get(), "path", value), kSuccess);
  std::u16string expected;
  for (char c : machine_.root() + "\\file.txt")
    expected += static_cast<char16_t>(c);
  EXPECT_EQ(value, Sz(expected));
  ASSERT_EQ(registry().QueryValue(loaded.get(), "n", value), kSuccess);
  EXPECT_EQ(value, Dword(5));
}

}  // namespace
}  // namespace quellorn::platform
