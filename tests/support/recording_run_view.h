#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/run_view.h"

namespace quellorn {

// Names a mode in a failed expectation.
inline std::ostream& operator<<(std::ostream& out, EraseMode mode) {
  constexpr const char* kNames[] = {"none", "test", "erase"};
  return out << kNames[static_cast<int>(mode)];
}

namespace testing {

// A RunView that remembers what a run showed, for tests to read back.
class RecordingRunView : public RunView {
 public:
  struct Task {
    std::string text;
    std::string status;
    std::string icon;
  };
  struct Result {
    std::string title;
    std::string message;
    bool autoClose = false;
  };

  EraseMode confirmAnswer = EraseMode::kErase;  // what the confirmation window answers
  int confirmations = 0;
  std::vector<std::string> progress;
  std::string status;
  std::vector<Task> tasks;
  std::vector<Result> results;
  bool eraseEnabled = true;
  bool trayExitEnabled = true;
  std::string eraseCaption;
  bool progressBarVisible = false;
  std::vector<int> progressValues;
  int yields = 0;
  int taskScrolls = 0;
  std::function<void()> onYield;    // runs at each yield, as window events would
  std::function<void()> onConfirm;  // runs while the confirmation window is open

  EraseMode ConfirmErase() override {
    ++confirmations;
    if (onConfirm) onConfirm();
    return confirmAnswer;
  }
  void ShowResult(const std::string& title, const std::string& message, bool autoClose) override {
    results.push_back({title, message, autoClose});
  }
  void EnableErase(bool enabled) override { eraseEnabled = enabled; }
  void EnableTrayExit(bool enabled) override { trayExitEnabled = enabled; }
  void SetEraseCaption(const std::string& caption) override { eraseCaption = caption; }
  void ClearProgress() override { progress.clear(); }
  void AddProgressLine(const std::string& line) override { progress.push_back(line); }
  void ScrollProgressDown() override {}
  void SetStatus(const std::string& text) override { status = text; }
  void ShowProgressBar(bool visible) override { progressBarVisible = visible; }
  void SetProgress(int percent) override { progressValues.push_back(percent); }
  void ClearTasks() override { tasks.clear(); }
  void AddTask(const std::string& text, const std::string& icon) override {
    tasks.push_back({text, "", icon});
  }
  void SetTaskState(int row, const std::string& taskStatus, const std::string& icon) override {
    // As the main window, a row the list does not have is left alone.
    if (row < 1 || static_cast<std::size_t>(row) > tasks.size()) return;
    Task& task = tasks[static_cast<std::size_t>(row - 1)];
    task.status = taskStatus;
    task.icon = icon;
  }
  void ScrollTasksDown() override { ++taskScrolls; }
  void Yield() override {
    ++yields;
    if (onYield) onYield();
  }
};

// The custom item editors' test list, remembered.
struct RecordingEditorList : EditorTestList {
  std::vector<std::string> lines;
  void AddLine(const std::string& line) override { lines.push_back(line); }
};

}  // namespace testing
}  // namespace quellorn
