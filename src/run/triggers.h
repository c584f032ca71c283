#pragma once

#include <cstdint>

namespace quellorn {

struct Context;
class QuestionBox;

// The automatic erase runs and the home page guard, as the main window's load step, its two
// timers and Windows' end-of-session question drive them. A trigger that fires while a run is
// under way is ignored: the run is not cut into, and a browser closed meanwhile is noticed at
// the next tick after it.
class Triggers {
 public:
  Triggers(Context& ctx, QuestionBox& questions) : ctx_(ctx), questions_(questions) {}

  // Windows started the program ("min").
  void WindowsStartUp();
  // Every 5 seconds: the home page, the browser windows and the "Last Erased at: " line.
  void WatchTimer();
  // Every minute: the periodic erase.
  void ScheduleTimer();
  // Windows asks whether the session may end.
  void QueryEndSession();

  // Browser windows seen at the last tick that saw any.
  std::int16_t browserCount() const { return browserCount_; }

 private:
  void WatchBrowsers();
  bool PeriodicEraseDue();
  // An erase run without confirmation, its result closing by itself; `line` announces it.
  void AutomaticErase(const char* line);

  Context& ctx_;
  QuestionBox& questions_;
  std::int16_t browserCount_ = 0;
  std::int16_t ticks_ = 0;
  bool watching_ = false;
};

}  // namespace quellorn
