// What a run shows in the main window, and what it asks through it.
#include "ui/main_window.h"

namespace quellorn::ui {

EraseMode MainWindow::ConfirmErase() {
  return host_.ConfirmErase();
}

void MainWindow::ShowResult(const std::string& title, const std::string& message, bool autoClose) {
  const MessageId shown = host_.ShowMessage(title, message);
  if (!autoClose) return;
  host_.PumpMessagesFor(kResultStays);
  if (host_.IsMessageOpen(shown)) host_.CloseMessage(shown);
}

void MainWindow::EnableErase(bool enabled) {
  eraseEnabled_ = enabled;
  host_.Changed(MainWindowChange::kButtons);
}

void MainWindow::EnableTrayExit(bool enabled) {
  trayExitEnabled_ = enabled;
  host_.Changed(MainWindowChange::kButtons);
}

void MainWindow::SetEraseCaption(const std::string& caption) {
  eraseCaption_ = caption;
  host_.Changed(MainWindowChange::kButtons);
}

void MainWindow::ClearProgress() {
  progressLines_.clear();
  host_.ProgressChanged(ListChange::kCleared, 0);
}

void MainWindow::AddProgressLine(const std::string& line) {
  progressLines_.push_back(line);
  host_.ProgressChanged(ListChange::kAdded, progressLines_.size() - 1);
}

void MainWindow::ScrollProgressDown() {
  host_.ProgressChanged(ListChange::kScrolled, 0);
}

void MainWindow::SetStatus(const std::string& text) {
  status_ = text;
  host_.Changed(MainWindowChange::kStatus);
}

void MainWindow::ShowProgressBar(bool visible) {
  progressBarVisible_ = visible;
  host_.Changed(MainWindowChange::kProgressBar);
}

void MainWindow::SetProgress(int percent) {
  progress_ = percent;
  host_.Changed(MainWindowChange::kProgressBar);
}

void MainWindow::ClearTasks() {
  tasks_.clear();
  host_.TasksChanged(ListChange::kCleared, 0);
}

void MainWindow::AddTask(const std::string& text, const std::string& icon) {
  tasks_.push_back({text, "", icon});
  host_.TasksChanged(ListChange::kAdded, tasks_.size() - 1);
}

// Rows count from 1, as the run numbers them; a row the list does not have is left alone.
void MainWindow::SetTaskState(int row, const std::string& status, const std::string& icon) {
  if (row < 1 || static_cast<std::size_t>(row) > tasks_.size()) return;
  TaskRow& task = tasks_[static_cast<std::size_t>(row - 1)];
  task.status = status;
  task.icon = icon;
  host_.TasksChanged(ListChange::kRowChanged, static_cast<std::size_t>(row - 1));
}

void MainWindow::ScrollTasksDown() {
  host_.TasksChanged(ListChange::kScrolled, 0);
}

void MainWindow::Yield() {
  host_.PumpMessages();
}

}  // namespace quellorn::ui
