#include "erasers/opera.h"

#include <gtest/gtest.h>

#include "erasers/browser_fixture.h"

namespace quellorn {
namespace {

namespace attr = platform::attr;

class OperaTest : public testing::BrowserTest {
 protected:
  OperaTest() { ctx.settingsFile.SaveSetting("Browser", "OperaDir", At("Opera")); }
  std::string Erased(std::string_view name) const {
    return "Erasing File " + At("Opera\\" + std::string(name)) + " <OK>";
  }
};

// Without a full folder setting nothing goes.
TEST_F(OperaTest, LocationBarAndCookieFilesGoInTheirOrderAndMissingOnesAreSkipped) {
  Make("Opera\\opera.dir", std::string(1024, 'd'));
  Make("Opera\\global.dat", std::string(3072, 'g'));
  Make("Opera\\cookies4.dat", std::string(1024, 'c'));
  for (const char* setting : {"", "relative\\Opera"}) {
    ctx.settingsFile.SaveSetting("Browser", "OperaDir", setting);
    EraseOperaLocationBar(ctx);
  }
  ctx.settingsFile.EraseSection("Browser");
  EraseOperaLocationBar(ctx);
  EraseOperaCookies(ctx);
  EraseOperaCache(ctx);
  EXPECT_TRUE(Lines().empty());
  ctx.settingsFile.SaveSetting("Browser", "OperaDir", At("Opera"));
  EraseOperaLocationBar(ctx);
  EraseOperaCookies(ctx);
  EXPECT_EQ(Lines(), (std::vector<std::string>{Erased("global.dat"), Erased("opera.dir"),
                                               Erased("cookies4.dat")}));
  EXPECT_TRUE(Logged("Erasing " + At("Opera\\global.dat") + " <OK>"));
  EXPECT_EQ(Names("Opera"), std::vector<std::string>{});
  EXPECT_EQ(ctx.run.totals.files, 3);
  EXPECT_FLOAT_EQ(ctx.run.totals.releasedKilobytes, 5.0f);
}

TEST_F(OperaTest, CacheWithoutOrdinaryFilesIsLeftAlone) {
  Make("Opera\\cache4\\sub\\opr00001.htm");
  Make("Opera\\cache4\\index.dat");
  ASSERT_EQ(os.files.SetAttributes(At("Opera\\cache4\\index.dat"), attr::kHidden | attr::kSystem),
            platform::kSuccess);
  EraseOperaCache(ctx);
  EXPECT_TRUE(Lines().empty());
  EXPECT_TRUE(Exists("Opera\\cache4\\sub\\opr00001.htm"));

  Make("Opera\\cache4\\opr00002.htm");
  ctx.settings.antirecover = 1;
  EraseOperaCache(ctx);
  EXPECT_FALSE(Exists("Opera\\cache4\\sub\\opr00001.htm"));
  EXPECT_FALSE(Exists("Opera\\cache4\\opr00002.htm"));
  EXPECT_TRUE(Exists("Opera\\cache4\\sub"));
  EXPECT_EQ(ctx.run.totals.files, 3);
}

}  // namespace
}  // namespace quellorn
