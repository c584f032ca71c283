#include "app/console_view.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quellorn::app {
namespace {

// What a terminal would show for the text: "\r" returns to the start of the line and later
// characters overwrite earlier ones; blanks at the end of a line do not show. Answers the
// finished lines and the line still open.
std::pair<std::vector<std::string>, std::string> Terminal(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t column = 0;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
      line.clear();
      column = 0;
    } else if (c == '\r') {
      column = 0;
    } else {
      if (column < line.size())
        line[column] = c;
      else
        line += c;
      ++column;
    }
  }
  return {lines, line};
}

TEST(ConsoleView, LiveLineOnATerminalNeverMixesWithTheProgressLines) {
  std::ostringstream out;
  ConsoleView view(out, true, nullptr);
  EraseTotals totals;
  view.Attach(totals);
  view.AddTask("IE Cookies", "ie");
  view.AddTask("Windows Temp Folder", "win");
  view.SetTaskState(1, "Erasing", "working");
  EXPECT_NE(out.str().find("[1/2] IE Cookies - files so far: 0"), std::string::npos);
  view.AddProgressLine("Erasing IE Cookies .....");
  totals.files = 7;
  view.SetTaskState(1, "Done", "done");
  view.SetTaskState(2, "Erasing", "working");
  EXPECT_NE(out.str().find("[2/2] Windows Temp Folder - files so far: 7"), std::string::npos);
  view.AddProgressLine("Erasing C:\\WINDOWS\\Temp\\a.tmp <OK>");
  view.Finish();
  const auto [lines, open] = Terminal(out.str());
  EXPECT_EQ(lines, (std::vector<std::string>{"Erasing IE Cookies .....",
                                             "Erasing C:\\WINDOWS\\Temp\\a.tmp <OK>"}));
  EXPECT_EQ(open.find_first_not_of(' '), std::string::npos) << "the live line is cleared";
}

TEST(ConsoleView, RowsNamedAfterFilesReachTheTerminalAsOneLine) {
  std::ostringstream out;
  ConsoleView view(out, true, nullptr);
  view.AddTask("Evil\x1b]0;owned\x07\nItem", "plugin");
  view.SetTaskState(1, "Erasing", "working");
  EXPECT_EQ(view.tasks(), std::vector<std::string>{"Evil\\x1b]0;owned\\x07\\x0aItem"});
  EXPECT_EQ(out.str().find_first_of("\x1b\x07\n"), std::string::npos);
}

TEST(ConsoleView, OutsideATerminalOnlyTheLinesAreWritten) {
  std::ostringstream out;
  ConsoleView view(out, false, [] { return EraseMode::kTest; });
  view.AddTask("IE Cookies", "ie");
  view.SetTaskState(1, "Erasing", "working");
  view.AddProgressLine("one");
  view.Yield();
  view.AddProgressLine("two");
  view.Finish();
  EXPECT_EQ(out.str(), "one\ntwo\n");
  EXPECT_EQ(view.ConfirmErase(), EraseMode::kTest);
}

}  // namespace
}  // namespace quellorn::app
