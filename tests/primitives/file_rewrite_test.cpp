#include "primitives/file_rewrite.h"

#include <gtest/gtest.h>

#include <set>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

namespace attr = platform::attr;

TEST(SplitLinesTest, EndsLinesAtCrLfLfOrCr) {
  const struct {
    std::string_view text;
    std::vector<std::string> lines;
  } cases[] = {{"", {}},
               {"one", {"one"}},
               {"one\r\n", {"one"}},
               {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
               {"one\n\ntwo\n", {"one", "", "two"}},
               {"\r\n", {""}},
               {"one\r\r\ntwo", {"one", "", "two"}}};
  for (const auto& c : cases)
    EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

class ReplaceContentTest : public testing::ContextTest {
 protected:
  std::string Path(std::string_view name) const {
    return machine.root() + "\\p\\" + std::string(name);
  }
  bool Replace(std::string_view content) {
    return ReplaceContent(os.files, Path("prefs.js"), Path("prefs.js.new"), content);
  }
  std::set<std::string> Names() {
    std::set<std::string> names;
    auto listing = os.files.List(machine.root() + "\\p");
    for (platform::DirEntry entry; listing && listing->Next(entry);)
      names.insert(entry.name);
    return names;
  }

  void SetUp() override { machine.WriteFile(Path("prefs.js"), "old content\r\n"); }
};

// The new content takes the file's place, which stays hidden; the temporary name is never one a
// file already has.
TEST_F(ReplaceContentTest, PutsTheNewContentInPlaceAndNeverOverwritesAFileOfTheTemporaryName) {
  machine.WriteFile(Path("prefs.js.new"), "someone's file");
  ASSERT_EQ(os.files.SetAttributes(Path("prefs.js"), attr::kHidden), platform::kSuccess);
  EXPECT_TRUE(Replace("new"));
  EXPECT_EQ(machine.ReadFile(Path("prefs.js")), "new");
  EXPECT_NE(os.files.GetAttributes(Path("prefs.js")) & attr::kHidden, 0u);
  EXPECT_EQ(machine.ReadFile(Path("prefs.js.new")), "someone's file");
  EXPECT_EQ(Names(), (std::set<std::string>{"prefs.js", "prefs.js.new"}));
}

TEST_F(ReplaceContentTest, AnyFailureKeepsTheOldFileWholeAndTheFolderClean) {
  enum class Fault { kFullDisk, kLockedTarget, kReadOnlyTarget };
  for (Fault fault : {Fault::kFullDisk, Fault::kLockedTarget, Fault::kReadOnlyTarget}) {
    faults = {};
    os.files.SetAttributes(Path("prefs.js"), attr::kNormal);
    if (fault == Fault::kFullDisk) faults.fullDisk = machine.root() + "\\p";
    if (fault == Fault::kLockedTarget) faults.unreplaceable.insert(Path("prefs.js"));
    if (fault == Fault::kReadOnlyTarget) {
      ASSERT_EQ(os.files.SetAttributes(Path("prefs.js"), attr::kReadOnly), platform::kSuccess);
    }
    const int which = static_cast<int>(fault);
    EXPECT_FALSE(Replace("new content that would cut the old one short")) << which;
    EXPECT_EQ(machine.ReadFile(Path("prefs.js")), "old content\r\n") << which;
    EXPECT_EQ(Names(), std::set<std::string>{"prefs.js"}) << which;
  }
}

}  // namespace
}  // namespace quellorn
