#include "app/console_view.h"

#include "core/line_text.h"

namespace quellorn::app {

EraseMode ConsoleView::ConfirmErase() {
  ClearLive();
  return confirm_ ? confirm_() : EraseMode::kNone;
}

void ConsoleView::AddProgressLine(const std::string& line) {
  if (keepLines_) lines_.push_back(line);
  ClearLive();
  out_ << line << '\n';
  ShowLive(false);
  out_.flush();
}

void ConsoleView::AddTask(const std::string& text, const std::string&) {
  tasks_.push_back(OneLine(text));
}

void ConsoleView::SetTaskState(int row, const std::string& status, const std::string&) {
  if (status == "Erasing") currentRow_ = row;
  ShowLive(true);
}

void ConsoleView::Yield() {
  ShowLive(false);
}

void ConsoleView::ShowLive(bool force) {
  if (!live_ || currentRow_ < 1 || currentRow_ > static_cast<int>(tasks_.size())) return;
  const auto now = std::chrono::steady_clock::now();
  if (!force && now - lastLive_ < std::chrono::milliseconds(100)) return;
  lastLive_ = now;
  std::string text = "[" + std::to_string(currentRow_) + "/" + std::to_string(tasks_.size()) +
                     "] " + tasks_[static_cast<std::size_t>(currentRow_ - 1)];
  if (totals_ != nullptr) text += " - files so far: " + std::to_string(totals_->files);
  const std::size_t width = text.size();
  if (text.size() < liveWidth_) text.append(liveWidth_ - text.size(), ' ');
  out_ << '\r' << text << std::flush;
  liveWidth_ = width;
}

void ConsoleView::ClearLive() {
  if (liveWidth_ == 0) return;
  out_ << '\r' << std::string(liveWidth_, ' ') << '\r';
  liveWidth_ = 0;
}

}  // namespace quellorn::app
