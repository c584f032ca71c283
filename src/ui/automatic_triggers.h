#pragma once

#include "run/triggers.h"
#include "ui/main_window_host.h"

namespace quellorn::ui {

// The automatic erase triggers as the main window calls them.
class AutomaticTriggers : public MainWindowTriggers {
 public:
  AutomaticTriggers(Context& ctx, QuestionBox& questions) : triggers_(ctx, questions) {}

  void WindowsStartUp() override { triggers_.WindowsStartUp(); }
  void WatchTimer() override { triggers_.WatchTimer(); }
  void ScheduleTimer() override { triggers_.ScheduleTimer(); }
  void QueryEndSession() override { triggers_.QueryEndSession(); }

 private:
  Triggers triggers_;
};

}  // namespace quellorn::ui
