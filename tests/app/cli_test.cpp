#include "app/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/cli_json.h"
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
  EXPECT_FALSE(options->verify);
  options = ParseCliOptions({"list"}, error);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->command, CliOptions::Command::kList);
  EXPECT_FALSE(options->machine);
  options = ParseCliOptions({"erase", "--verify"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->verify);
  for (const char* command : {"list", "test"}) {
    EXPECT_FALSE(ParseCliOptions({"--verify", command}, error));
    EXPECT_EQ(error, "--verify belongs to erase");
  }
}

TEST(CliOptions, ScriptsNameItemsAndAskForJson) {
  std::string error;
  auto options = ParseCliOptions(
      {"erase", "--only", "ie.cookies, plugin:Acme Editor", "--json", "--only", "windows.temp"},
      error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->only,
            (std::vector<std::string>{"ie.cookies", "plugin:Acme Editor", "windows.temp"}));
  EXPECT_TRUE(options->json);
  for (const char* asked : {"--help", "-h", "--version"}) {
    options = ParseCliOptions({"test", "--bogus", asked}, error);
    EXPECT_FALSE(options) << "what comes before it must parse";
    options = ParseCliOptions({asked, "--bogus"}, error);
    ASSERT_TRUE(options) << asked;
    EXPECT_EQ(options->command, std::string_view(asked) == "--version"
                                    ? CliOptions::Command::kVersion
                                    : CliOptions::Command::kHelp);
  }
}

TEST(CliOptions, RefusesWhatItDoesNotKnow) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--machine"},
      {"scrub"},
      {"list", "test"},
      {"--force"},
      {"test", "--yes"},
      {"--machine", ""},
      {"erase", "extra"},
      {"list", "--only", "ie.cookies"},
      {"test", "--only"},
      {"test", "--only", "ie.cookies,,windows.temp"},
      {"test", "--all"},
      {"import-winapp2", "--json", "w.ini"},
      {"import-winapp2", "--all"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(ParseCliOptions(args, error));
    EXPECT_FALSE(error.empty());
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

TEST(Cli, HelpAndVersionAnswerOnStdout) {
  std::istringstream in;
  for (const char* asked : {"--help", "--version"}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({asked}, in, out, err), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(out.str().starts_with(std::string_view(asked) == "--help" ? "usage: quellorn-cli"
                                                                          : "quellorn-cli 2."));
  }
}

TEST(CliJson, StringsStayValidWhateverTheyHold) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"C:\\a \"b\"", R"("C:\\a \"b\"")"},
      {"tab\tline\n\x1b[2J", R"("tab\u0009line\u000a\u001b[2J")"},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},
      {"bad\xff", "\"bad\xef\xbf\xbd\""},
  };
  for (const auto& [text, json] : cases)
    EXPECT_EQ(JsonString(text), json);
}

}  // namespace
}  // namespace quellorn::app
