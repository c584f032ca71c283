// Shell operations as every back end must perform them, written against TestMachine alone.

#include <gtest/gtest.h>

#include "platform/shell.h"
#include "support/test_machine.h"

namespace quellorn::platform {
namespace {

class ShellConformance : public ::testing::Test {
 protected:
  Shell& shell() { return machine_.platform().shell; }
  FileSystem& files() { return machine_.platform().files; }
  std::string Path(std::string_view name) const {
    return machine_.root() + "\\" + std::string(name);
  }

  testing::TestMachine machine_;
};

TEST_F(ShellConformance, DeletesAWholeTreeWithReadOnlyAndHiddenFiles) {
  machine_.WriteFile(Path("tree\\a.txt"), "a");
  machine_.WriteFile(Path("tree\\sub\\deep\\\xE6\x97\xA5\xE6\x9C\xAC.txt"), "b");
  machine_.MakeFolder(Path("tree\\empty"));
  machine_.WriteFile(Path("tree\\sub\\ro.txt"), "ro");
  machine_.WriteFile(Path("tree\\hidden.txt"), "h");
  ASSERT_EQ(files().SetAttributes(Path("tree\\sub\\ro.txt"), attr::kReadOnly), kSuccess);
  ASSERT_EQ(files().SetAttributes(Path("tree\\hidden.txt"), attr::kHidden | attr::kSystem),
            kSuccess);
  ASSERT_EQ(files().SetAttributes(Path("tree\\sub"), attr::kHidden), kSuccess);
  machine_.WriteFile(Path("beside.txt"), "stays");

  EXPECT_EQ(shell().Delete(Path("TREE")), kSuccess);
  EXPECT_EQ(files().GetAttributes(Path("tree")), attr::kInvalid);
  EXPECT_EQ(machine_.ReadFile(Path("beside.txt")), "stays");
}

TEST_F(ShellConformance, DeletesASingleReadOnlyFileAndFailsOnWhatIsMissing) {
  machine_.WriteFile(Path("ro.txt"), "x");
  ASSERT_EQ(files().SetAttributes(Path("ro.txt"), attr::kReadOnly), kSuccess);
  EXPECT_EQ(shell().Delete(Path("ro.txt")), kSuccess);
  EXPECT_EQ(files().GetAttributes(Path("ro.txt")), attr::kInvalid);
  EXPECT_EQ(shell().Delete(Path("missing")), kFileNotFound);
  EXPECT_EQ(shell().Delete(Path("missing\\deeper")), kPathNotFound);
}

TEST_F(ShellConformance, RenameFailsWhenTheTargetExists) {
  machine_.WriteFile(Path("a.txt"), "a");
  machine_.WriteFile(Path("b.txt"), "b");
  EXPECT_EQ(shell().Rename(Path("a.txt"), Path("b.txt")), kAlreadyExists);
  EXPECT_EQ(machine_.ReadFile(Path("a.txt")), "a");
  EXPECT_EQ(machine_.ReadFile(Path("b.txt")), "b");
  EXPECT_EQ(shell().Rename(Path("a.txt"), Path("c.txt")), kSuccess);
  EXPECT_EQ(machine_.ReadFile(Path("c.txt")), "a");
  EXPECT_EQ(files().GetAttributes(Path("a.txt")), attr::kInvalid);
  EXPECT_EQ(shell().Rename(Path("missing"), Path("other")), kFileNotFound);
}

}  // namespace
}  // namespace quellorn::platform
