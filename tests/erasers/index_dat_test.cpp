#include "erasers/index_dat.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/profile_fixture.h"

namespace quellorn {
namespace {

using Lines = std::vector<std::string>;

class IndexDatTest : public testing::ProfileTest {
 protected:
  IndexDatTest() { ctx.run.mode = EraseMode::kErase; }
  std::string Line(std::string_view relative) {
    return std::string(ctx.erasing() ? "" : "Test Mode: ") +
           "Cleaning Index File: " + At(relative) + " <OK>";
  }
  bool IsZeroed(std::string_view relative, std::size_t length) {
    return Read(relative) == std::string(length, '\0');
  }
};

// The file keeps its name and length and holds only zeros; an empty one still gets its line, a
// missing one none. One another program holds open cannot be written: an erase run says nothing
// of it, a test run, which writes nothing, still reports it.
TEST_F(IndexDatTest, FileKeepsItsNameAndLengthAndHoldsOnlyZeros) {
  Make("c\\index.dat", std::string(16384, 'x'));
  Make("c\\empty\\index.dat", "");
  Make("c\\held\\index.dat", "in use");
  faults.unopenable.insert(At("c\\held\\index.dat"));
  for (const char* file :
       {"c\\index.dat", "c\\empty\\index.dat", "c\\missing\\index.dat", "c\\held\\index.dat"})
    CleanIndexFile(ctx, At(file));
  EXPECT_TRUE(IsZeroed("c\\index.dat", 16384));
  EXPECT_EQ(Read("c\\empty\\index.dat"), "");
  const Lines lines{Line("c\\index.dat"), Line("c\\empty\\index.dat")};
  EXPECT_EQ(view.progress, lines);
  EXPECT_EQ(Log(), lines[0] + "\r\n" + lines[1] + "\r\n");
  EXPECT_EQ(ctx.run.totals.files, 0);
  ctx.run.mode = EraseMode::kTest;
  CleanIndexFile(ctx, At("c\\held\\index.dat"));
  EXPECT_EQ(view.progress.back(), Line("c\\held\\index.dat"));
  EXPECT_EQ(Read("c\\held\\index.dat"), "in use");
}

TEST_F(IndexDatTest, EveryIndexFileBelowTheFolderIsFoundAtAnyDepth) {
  Make("h\\History.IE5\\index.dat", testing::Fixture("index_dat/history_ie5_index.dat"));
  Make("h\\History.IE5\\MSHist012024030420240305\\index.dat",
       testing::Fixture("index_dat/mshist_daily_index.dat"));
  Make("h\\History.IE5\\MSHist012024030520240306\\INDEX.DAT", std::string(100, 'u'));
  Make("h\\History.IE5\\index.dat.bak", std::string(10, 'b'));
  Make("h\\History.IE5\\MSHist012024030420240305\\page.htm", "visited");
  // A file is known by its own name, not by the folder it lies in.
  Make("h\\index.dat.d\\notes.txt", "unrelated");
  CleanIndexFiles(ctx, At("h"));
  EXPECT_TRUE(IsZeroed("h\\History.IE5\\index.dat", 32768));
  EXPECT_TRUE(IsZeroed("h\\History.IE5\\MSHist012024030420240305\\index.dat", 32768));
  EXPECT_TRUE(IsZeroed("h\\History.IE5\\MSHist012024030520240306\\INDEX.DAT", 100));
  EXPECT_TRUE(IsZeroed("h\\History.IE5\\index.dat.bak", 10));
  EXPECT_EQ(Read("h\\History.IE5\\MSHist012024030420240305\\page.htm"), "visited");
  EXPECT_EQ(Read("h\\index.dat.d\\notes.txt"), "unrelated");
  EXPECT_EQ(SortedProgress(),
            (Lines{Line("h\\History.IE5\\MSHist012024030420240305\\index.dat"),
                   Line("h\\History.IE5\\MSHist012024030520240306\\INDEX.DAT"),
                   Line("h\\History.IE5\\index.dat"), Line("h\\History.IE5\\index.dat.bak")}));
}

// Each index file whose Shell Folders value is there is cleaned; a missing value leaves its file.
TEST_F(IndexDatTest, CleansTheCacheCookieAndHistoryIndexFiles) {
  Make("cache\\Content.IE5\\index.dat", testing::Fixture("index_dat/content_ie5_index.dat"));
  Make("history\\History.IE5\\index.dat", testing::Fixture("index_dat/history_ie5_index.dat"));
  for (const char* cookies : {"cookies", static_cast<const char*>(nullptr)}) {
    ShellFolders({{"Cache", "cache"}, {"Cookies", cookies}, {"History", "history"}});
    Make("cookies\\index.dat", std::string(16384, 'c'));
    view.progress.clear();
    CleanIndexDat(ctx);
    EXPECT_TRUE(IsZeroed("cache\\Content.IE5\\index.dat", 49152));
    EXPECT_EQ(IsZeroed("cookies\\index.dat", 16384), cookies != nullptr);
    EXPECT_TRUE(IsZeroed("history\\History.IE5\\index.dat", 32768));
    Lines expected{Line("cache\\content.ie5\\index.dat"), Line("history\\History.IE5\\index.dat")};
    if (cookies) expected.insert(expected.begin() + 1, Line("cookies\\index.dat"));
    EXPECT_EQ(view.progress, expected);
  }
}

}  // namespace
}  // namespace quellorn
