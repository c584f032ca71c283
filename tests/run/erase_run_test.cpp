#include <gtest/gtest.h>

#include "run/erase_runner.h"
#include "run/task_list.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

class EraseRunTest : public testing::ContextTest {
 protected:
  std::string Path(std::string_view relative) const {
    return machine.root() + "\\" + std::string(relative);
  }
};

TEST_F(EraseRunTest, BrowserItemsThenPluginsRunOnTheirRowsInTaskOrder) {
  ctx.settings.trackFlags.fill(1);
  for (Track track : {Track::kNetscapeCookies, Track::kOperaCookies, Track::kAolLocationBar}) {
    ctx.settings.flag(track) = 0;
  }
  ctx.settingsFile.SaveSetting("Browser", "nc4dir", Path("Netscape"));
  ctx.settingsFile.SaveSetting("Browser", "OperaDir", Path("Opera"));
  machine.LoadReg(R"reg(Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\America Online\AOL\CurrentVersion]
"appPath"="$ROOT\\AOL"
)reg");
  machine.WriteFile(Path("Netscape\\Users\\joe\\cookies.txt"), std::string(1024, 'n'));
  machine.WriteFile(Path("Opera\\cookies4.dat"), std::string(1024, 'o'));
  machine.WriteFile(Path("AOL\\organize\\joe.ARL"), std::string(1024, 'a'));
  machine.WriteFile(Path("leftovers\\x.part"), std::string(1024, 'p'));
  machine.WriteFile(ProgramFile("plugins\\Leftovers.qk"),
                    "[Info]\r\nSelected = 0\r\nDelFile1=" + Path("leftovers\\*.part") + "\r\n");
  Addtask(ctx);
  ASSERT_EQ(ctx.run.taskCount, 4);

  EraseNow(ctx);
  const std::vector<std::string> lines(view.progress.begin() + 1, view.progress.end() - 1);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Erasing Netscape Cookies .....",
                       "Erasing File " + Path("Netscape") + "\\USERS\\joe\\cookies.txt <OK>",
                       "Erasing Opera Cookies .....",
                       "Erasing File " + Path("Opera\\cookies4.dat") + " <OK>",
                       "Erasing AOL Location Bar.....",
                       "Erasing " + Path("AOL\\organize\\joe.ARL") + " <OK>",
                       "Erasing Leftovers .....",
                       "Erasing " + Path("leftovers\\x.part") + " <OK>",
                   }));
  for (const auto& task : view.tasks)
    EXPECT_EQ(task.status, "Done") << task.text;
  EXPECT_EQ(view.progressValues, (std::vector<int>{25, 50, 75, 100}));
  EXPECT_EQ(registry.flushes, 4) << "the registry is made to last after each item";
  EXPECT_EQ(ctx.run.totals.files, 4);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 4.0f);
  EXPECT_FALSE(os.files.Exists(Path("leftovers\\x.part")));
}

}  // namespace
}  // namespace quellorn
