// Real registry exports: three load, agree with each other, and survive the writer.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/portable/registry_portable.h"
#include "platform/reg_file.h"
#include "platform/text_encoding.h"
#include "support/fixtures.h"
#include "support/reg_values.h"

namespace quellorn::platform {
namespace {

using testing::Dword;
using testing::Fixture;
using testing::Sz;

constexpr const char* kXpV5 = "registry/xp_user_joe.v5.reg";
constexpr const char* kXpRegedit4 = "registry/xp_user_joe.regedit4.reg";
constexpr const char* kWin98 = "registry/win98_user.regedit4.reg";

RegFile Load(const std::string& bytes, PortableRegistry& registry) {
  RegFile file = ParseRegFile(bytes);
  EXPECT_TRUE(file.errors.empty())
      << file.errors.front().line << ": " << file.errors.front().reason;
  EXPECT_TRUE(ApplyRegFile(registry, file).empty());
  return file;
}

std::size_t ValueCount(const RegFile& file) {
  std::size_t count = 0;
  for (const RegFileKey& key : file.keys)
    count += key.values.size();
  return count;
}

RegValue ValueOf(const RegFile& file, std::string_view path, std::string_view name) {
  for (const RegFileKey& key : file.keys) {
    for (const RegFileValue& value : key.values) {
      if (key.path == path && value.name == name) return value.value;
    }
  }
  ADD_FAILURE() << "no value " << name << " in " << path;
  return {};
}

// The blocks of a v5 text, "[key]" line up to the blank line after its values.
std::vector<std::string> KeyBlocks(const std::string& bytes) {
  std::string text = Utf16ToUtf8(
      LeBytesToUtf16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2, bytes.size() - 2));
  std::vector<std::string> blocks;
  for (std::size_t at = text.find("\r\n["); at != std::string::npos;) {
    std::size_t end = text.find("\r\n\r\n", at + 2);
    blocks.push_back(text.substr(at + 2, end - at - 2));
    at = text.find("\r\n[", end);
  }
  std::sort(blocks.begin(), blocks.end());
  return blocks;
}

// Each loads without skipped lines, and what the writer makes of it loads as the same registry.
TEST(RegFileFixtures, LoadAndSurviveTheWriter) {
  struct Case {
    const char* name;
    RegFileFormat format;
    std::size_t keys;
    std::size_t values;
  };
  for (const Case& c : {Case{kXpV5, RegFileFormat::kVersion5, 17, 175},
                        Case{kXpRegedit4, RegFileFormat::kRegedit4, 17, 175},
                        Case{kWin98, RegFileFormat::kRegedit4, 15, 214}}) {
    PortableRegistry registry, rewritten;
    RegFile file = Load(Fixture(c.name), registry);
    EXPECT_EQ(file.format, c.format) << c.name;
    EXPECT_EQ(file.keys.size(), c.keys) << c.name;
    EXPECT_EQ(ValueCount(file), c.values) << c.name;
    Load(WriteRegFile(registry.Export()), rewritten);
    EXPECT_EQ(registry.Export().keys, rewritten.Export().keys) << c.name;
  }
}

TEST(RegFileFixtures, HoldTheValuesTheSystemsStored) {
  PortableRegistry registry;
  RegFile xp = Load(Fixture(kXpV5), registry);
  const std::string explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  EXPECT_EQ(ValueOf(xp, explorer + "\\Shell Folders", "Cookies"),
            Sz(u"C:\\Documents and Settings\\joe\\Cookies"));
  EXPECT_EQ(ValueOf(xp, explorer + "\\User Shell Folders", "AppData"),
            Sz(u"%USERPROFILE%\\Application Data", reg_type::kExpandSz));
  EXPECT_EQ(
      ValueOf(xp, explorer + "\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}", "Version"),
      Dword(3));
  PortableRegistry old;
  EXPECT_EQ(ValueOf(Load(Fixture(kWin98), old), explorer + "\\User Shell Folders", "Cache"),
            Sz(u"C:\\WINDOWS\\Temporary Internet Files", reg_type::kExpandSz));
}

// The same hive exported in both dialects gives the same registry: 8-bit string data is
// widened to what the Unicode export holds.
TEST(RegFileFixtures, BothDialectsOfOneExportGiveTheSameRegistry) {
  PortableRegistry unicode, ansi;
  Load(Fixture(kXpV5), unicode);
  Load(Fixture(kXpRegedit4), ansi);
  RegFile a = unicode.Export(), b = ansi.Export();
  ASSERT_EQ(a.keys.size(), b.keys.size());
  for (std::size_t i = 0; i < a.keys.size(); ++i)
    EXPECT_EQ(a.keys[i], b.keys[i]) << a.keys[i].path;
}

TEST(RegFileFixtures, WriterReproducesTheRegistryEditorsText) {
  std::string original = Fixture(kXpV5);
  std::string written = WriteRegFile(ParseRegFile(original));
  EXPECT_EQ(KeyBlocks(written), KeyBlocks(original));
}

}  // namespace
}  // namespace quellorn::platform
