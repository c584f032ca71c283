#include "app/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/cli_options.h"

namespace quellorn::app {
namespace {

TEST(CliOptions, AcceptsTheDocumentedCommandLine) {
  std::string error;
  auto options =
      ParseCliOptions({"--machine", "m", "--program-folder", "C:\\Q", "erase", "--yes"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->command, CliOptions::Command::kErase);
  EXPECT_TRUE(options->yes);
  EXPECT_EQ(options->machine, "m");
  EXPECT_EQ(options->programFolder, "C:\\Q");
  options = ParseCliOptions({"list"}, error);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->command, CliOptions::Command::kList);
  EXPECT_FALSE(options->machine);
}

TEST(CliOptions, RefusesWhatItDoesNotKnow) {
  const std::vector<std::vector<std::string>> bad = {
      {},          {"--machine"},     {"scrub"},         {"list", "test"},
      {"--force"}, {"test", "--yes"}, {"--machine", ""}, {"erase", "extra"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(ParseCliOptions(args, error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(CliOptions, VerifyBelongsToEraseAlone) {
  std::string error;
  const auto options = ParseCliOptions({"erase", "--verify"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->verify);
  for (const char* command : {"list", "test"}) {
    EXPECT_FALSE(ParseCliOptions({"--verify", command}, error));
    EXPECT_EQ(error, "--verify belongs to erase");
  }
}

TEST(Cli, UsageErrorsExitWithTwoAndExplain) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"scrub"}, in, out, err), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("unexpected argument scrub"), std::string::npos);
  EXPECT_NE(err.str().find("usage: quellorn-cli"), std::string::npos);
}

}  // namespace
}  // namespace quellorn::app
