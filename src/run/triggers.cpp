#include "run/triggers.h"

#include "core/activity_log.h"
#include "core/context.h"
#include "core/locale_text.h"
#include "core/report.h"
#include "core/text_util.h"
#include "run/browser_windows.h"
#include "run/erase_runner.h"
#include "run/home_page_guard.h"

namespace quellorn {
namespace {

// The status line is refreshed every sixth tick that sees a browser.
constexpr std::int16_t kTicksPerRefresh = 5;

}  // namespace

void Triggers::WindowsStartUp() {
  if (ctx_.settings.ErasesAtWindowsStartUp() && !ctx_.run.active) {
    AutomaticErase("Windows Startup Detected, Starting To Erase");
  }
}

void Triggers::WatchTimer() {
  // The question box serves timers while it is open.
  if (watching_ || ctx_.run.active) return;
  watching_ = true;
  if (ctx_.settings.HomePageProtected()) GuardHomePage(ctx_, questions_);
  WatchBrowsers();
  watching_ = false;
}

void Triggers::WatchBrowsers() {
  const std::int16_t count = CountBrowserWindows(ctx_.os.desktop);
  if (count > 0) {
    browserCount_ = count;
    if (++ticks_ > kTicksPerRefresh) {
      const std::string lastErased = LastErased(ctx_.settingsFile);
      if (!Trim(lastErased).empty()) ctx_.view().SetStatus("Last Erased at: " + lastErased);
      ticks_ = 0;
    }
  } else if (browserCount_ != 0 && ctx_.settings.ErasesAtBrowserShutdown()) {
    AutomaticErase("Browser Shutdown Detected, Starting To Erase");
    browserCount_ = 0;
  }
}

void Triggers::ScheduleTimer() {
  if (ctx_.run.active || !ctx_.settings.PeriodicEraseOn()) return;
  RereadEraseTime(ctx_.settingsFile, ctx_.settings);
  if (PeriodicEraseDue()) AutomaticErase(nullptr);
}

bool Triggers::PeriodicEraseDue() {
  const auto last = ParseGeneralDate(LastErased(ctx_.settingsFile), ctx_.os.system.Locale());
  if (!last) return true;
  const std::int64_t minutes = ctx_.settings.PeriodicEraseMinutes();
  return ElapsedSeconds(*last, ctx_.os.system.Now()) > minutes * 60;
}

void Triggers::QueryEndSession() {
  if (ctx_.run.active) return;
  if (ctx_.windowsVersion == "98") ctx_.windows98Ending = true;
  if (ctx_.settings.ErasesAtWindowsShutdown()) {
    AutomaticErase("Windows Shutdown Detected, Starting To Erase......");
  }
  if (ctx_.settings.ClearsLogAtWindowsShutdown()) ClearLog(ctx_);
}

void Triggers::AutomaticErase(const char* line) {
  ctx_.run.mode = EraseMode::kErase;
  ctx_.run.triggered = true;
  if (line != nullptr) {
    DispList(ctx_, line);
    WriteLog(ctx_, line);
  }
  EraseNow(ctx_);
}

}  // namespace quellorn
