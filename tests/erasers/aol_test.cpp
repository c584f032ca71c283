#include "erasers/aol.h"

#include <gtest/gtest.h>

#include "erasers/browser_fixture.h"

namespace quellorn {
namespace {

class AolTest : public testing::BrowserTest {
 protected:
  void Register(std::string_view appPath) {
    machine.LoadReg(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\America Online\\AOL\\CurrentVersion]\r\n"
        "\"appPath\"=\"" +
        std::string(appPath) + "\"\r\n");
  }
  std::string Organize(std::string_view name) const {
    return At("AOL\\organize\\" + std::string(name));
  }
};

// An unregistered client, or one without its folder, erases nothing.
TEST_F(AolTest, LocationBarTakesTheAddressFilesOfTheOrganizeFolder) {
  for (const char* name : {"AOL\\organize\\joe.ARL", "AOL\\organize\\ann.arl",
                           "AOL\\organize\\joe.aut", "AOL\\organize\\sub\\old.ARL"})
    Make(name);
  EraseAOLLocationBar(ctx);
  Register("");
  EraseAOLLocationBar(ctx);
  EraseAOLCache(ctx);
  EXPECT_TRUE(Lines().empty());
  Register("$ROOT\\\\AOL");
  ctx.settings.antirecover = 1;
  EraseAOLLocationBar(ctx);
  EXPECT_EQ(SortedLines(), (std::vector<std::string>{"Erasing " + Organize("ann.arl") + " <OK>",
                                                     "Erasing " + Organize("joe.ARL") + " <OK>"}));
  EXPECT_EQ(Names("AOL\\organize"), (std::vector<std::string>{"joe.aut", "sub"}));
  EXPECT_TRUE(Exists("AOL\\organize\\sub\\old.ARL"));
}

TEST_F(AolTest, CacheTreeGoesBeforeTheAutFiles) {
  Register("$ROOT\\\\AOL");
  for (const char* name :
       {"AOL\\organize\\CACHE\\page1.art", "AOL\\organize\\CACHE\\deep\\page2.art",
        "AOL\\organize\\joe.aut", "AOL\\organize\\main.idx"})
    Make(name);
  ctx.settings.antirecover = 1;
  EraseAOLCache(ctx);
  ASSERT_EQ(Lines().size(), 3u);
  EXPECT_EQ(Lines().back(), "Erasing " + Organize("joe.aut") + " <OK>");
  EXPECT_EQ(Names("AOL\\organize"), (std::vector<std::string>{"CACHE", "main.idx"}));
  EXPECT_EQ(Names("AOL\\organize\\CACHE"), std::vector<std::string>{"deep"});
  EXPECT_TRUE(Names("AOL\\organize\\CACHE\\deep").empty());
  EXPECT_EQ(ctx.run.totals.files, 3);
}

}  // namespace
}  // namespace quellorn
