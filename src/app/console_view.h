#pragma once

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/context.h"
#include "core/run_view.h"

namespace quellorn::app {

// The run as a console shows it: every progress line on its own line of `out`, exactly as the
// main window's progress list would show it. On a terminal a live line under them tells the
// current item and the files so far; it is rewritten in place and never reaches a file or pipe.
class ConsoleView : public RunView {
 public:
  ConsoleView(std::ostream& out, bool live, std::function<EraseMode()> confirm)
      : out_(out), live_(live), confirm_(std::move(confirm)) {}

  void Attach(const EraseTotals& totals) { totals_ = &totals; }
  const std::vector<std::string>& tasks() const { return tasks_; }
  const std::string& status() const { return status_; }
  // Keeps every progress line for a report at the end of the run.
  void KeepLines() { keepLines_ = true; }
  const std::vector<std::string>& lines() const { return lines_; }
  // Clears the live line before the program writes its own last lines.
  void Finish() { ClearLive(); }

  EraseMode ConfirmErase() override;
  void ShowResult(const std::string&, const std::string&, bool) override {}
  void EnableErase(bool) override {}
  void EnableTrayExit(bool) override {}
  void SetEraseCaption(const std::string&) override {}
  void ClearProgress() override {}
  void AddProgressLine(const std::string& line) override;
  void ScrollProgressDown() override {}
  void SetStatus(const std::string& text) override { status_ = text; }
  void ShowProgressBar(bool) override {}
  void SetProgress(int) override {}
  void ClearTasks() override { tasks_.clear(); }
  // Rows name plugin and custom items after their files: kept as one printable line each.
  void AddTask(const std::string& text, const std::string&) override;
  void SetTaskState(int row, const std::string& status, const std::string&) override;
  void ScrollTasksDown() override {}
  void Yield() override;

 private:
  void ShowLive(bool force);
  void ClearLive();

  std::ostream& out_;
  bool live_;
  std::function<EraseMode()> confirm_;
  const EraseTotals* totals_ = nullptr;
  std::vector<std::string> tasks_;
  bool keepLines_ = false;
  std::vector<std::string> lines_;
  std::string status_;
  int currentRow_ = 0;
  std::size_t liveWidth_ = 0;
  std::chrono::steady_clock::time_point lastLive_{};
};

}  // namespace quellorn::app
