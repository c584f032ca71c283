// Entries only a machine folder can hold, in the Temp folder an erase run empties: a host name
// that reads as a path, and a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/context.h"
#include "erasers/windows_erasers.h"
#include "platform/portable/host_fd.h"
#include "support/machine_folder.h"
#include "support/recording_run_view.h"
#include "support/test_machine_files.h"
#include "support/xp_hive.h"

namespace quellorn {
namespace {

TEST(HostEntriesTest, TempEntriesNeverReachBeyondThemselves) {
  testing::MachineFolder folder;
  const std::filesystem::path joe = folder.DriveC() / "Documents and Settings" / "joe";
  const std::filesystem::path temp = joe / "Local Settings" / "Temp";
  folder.Write(joe / "My Documents" / "report.doc", "report");
  folder.Write(temp / "a\\..\\..\\..\\My Documents\\report.doc", "look-alike");
  folder.Write(temp / "x\\..\\..\\..\\My Documents" / "y.txt", "y");
  folder.Write(temp / "setup.tmp", "tmp");
  ASSERT_EQ(::mkfifo((temp / "pipe").c_str(), 0666), 0);
  // Both ends held open: an open that gets through to the pipe fails the test, not hangs it.
  platform::UniqueFd ends(::open((temp / "pipe").c_str(), O_RDWR | O_NONBLOCK));
  auto machine = folder.Open();
  testing::LoadMachineReg(machine->platform().registry,
                          testing::XpUserKeys({testing::kXpShellFolders}),
                          "C:\\Documents and Settings");
  testing::RecordingRunView view;
  Context ctx{machine->platform(), view, "C:\\Program Files\\Quellorn"};
  ctx.run.mode = EraseMode::kErase;
  EraseWindowsTemp(ctx);
  EXPECT_EQ(folder.Read(joe / "My Documents" / "report.doc"), "report");
  EXPECT_TRUE(std::filesystem::exists(temp / "pipe"));
  EXPECT_EQ(ctx.run.totals.files, 1);
}

}  // namespace
}  // namespace quellorn
