#pragma once

#include <string>

#include "core/erase_mode.h"

namespace quellorn {

// What a run shows and asks: the main window implements it in the Windows program, the
// console front end prints, and tests record. The run engine and every eraser report
// through it and never see a window.
class RunView {
 public:
  virtual ~RunView() = default;

  // The confirmation window: answers the mode the user chose.
  virtual EraseMode ConfirmErase() = 0;
  // The result message window, modeless. With autoClose (a triggered run) it closes by
  // itself after three seconds while events keep being processed.
  virtual void ShowResult(const std::string& title, const std::string& message, bool autoClose) = 0;

  virtual void EnableErase(bool enabled) = 0;     // the Erase Now button
  virtual void EnableTrayExit(bool enabled) = 0;  // the tray menu's Exit entry
  virtual void SetEraseCaption(const std::string& caption) = 0;

  // The progress list: one row per line, kept scrolled to the newest.
  virtual void ClearProgress() = 0;
  virtual void AddProgressLine(const std::string& line) = 0;
  virtual void ScrollProgressDown() = 0;

  virtual void SetStatus(const std::string& text) = 0;  // the counter line
  virtual void ShowProgressBar(bool visible) = 0;
  virtual void SetProgress(int percent) = 0;

  // The task list: rows in run order, addressed from 1.
  virtual void ClearTasks() = 0;
  virtual void AddTask(const std::string& text, const std::string& icon) = 0;
  virtual void SetTaskState(int row, const std::string& status, const std::string& icon) = 0;
  virtual void ScrollTasksDown() = 0;

  // Lets the window process pending events (repaint, timers, hot keys).
  virtual void Yield() = 0;
};

// A run nobody watches (benchmarks, fuzzing): shows nothing and confirms every erase.
class SilentRunView : public RunView {
 public:
  EraseMode ConfirmErase() override { return EraseMode::kErase; }
  void ShowResult(const std::string&, const std::string&, bool) override {}
  void EnableErase(bool) override {}
  void EnableTrayExit(bool) override {}
  void SetEraseCaption(const std::string&) override {}
  void ClearProgress() override {}
  void AddProgressLine(const std::string&) override {}
  void ScrollProgressDown() override {}
  void SetStatus(const std::string&) override {}
  void ShowProgressBar(bool) override {}
  void SetProgress(int) override {}
  void ClearTasks() override {}
  void AddTask(const std::string&, const std::string&) override {}
  void SetTaskState(int, const std::string&, const std::string&) override {}
  void ScrollTasksDown() override {}
  void Yield() override {}
};

// The custom item editors' test list: what an editor test would erase.
class EditorTestList {
 public:
  virtual ~EditorTestList() = default;
  virtual void AddLine(const std::string& line) = 0;
};

}  // namespace quellorn
