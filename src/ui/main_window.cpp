#include "ui/main_window.h"

#include "core/activity_log.h"
#include "run/erase_runner.h"
#include "run/task_list.h"
#include "ui/maker_site.h"
#include "ui/program_documents.h"

namespace quellorn::ui {

namespace {

constexpr TrayMenuLine kTrayMenu[] = {
    {TrayEntry::kLink, "Quellorn On the Web"},
    {TrayEntry::kHelp, "Help"},
    {std::nullopt, ""},
    {TrayEntry::kRestore, "&Restore"},
    {std::nullopt, ""},
    {TrayEntry::kEraseNow, "Erase Now"},
    {TrayEntry::kTestNow, "Test Now"},
    {std::nullopt, ""},
    {TrayEntry::kShow, "Show Browser Windows    ALT+SPACE"},
    {TrayEntry::kHide, "Hide Browser Windows    ALT+SPACE"},
    {std::nullopt, ""},
    {TrayEntry::kSettings, "Erase &Settings"},
    {TrayEntry::kOptions, "Options"},
    {std::nullopt, ""},
    {TrayEntry::kDownload, "Download Plugins"},
    {std::nullopt, ""},
    {TrayEntry::kExit, "&Exit"},
};

}  // namespace

MainWindow::MainWindow(Context& ctx, MainWindowHost& host) : ctx_(ctx), host_(host) {
  ctx.ShowRunsIn(*this);
}

std::span<const TrayMenuLine> MainWindow::TrayMenu() {
  return kTrayMenu;
}

std::string_view MainWindow::Caption(MainButton button) const {
  switch (button) {
    case MainButton::kErase:
      return eraseCaption_;
    case MainButton::kSettings:
      return "Eraser &Settings";
    case MainButton::kTest:
      return "&Test Now";
    case MainButton::kAbout:
      return "A&bout";
    case MainButton::kExit:
      return "Exit";
    case MainButton::kViewLog:
      return "&View Log";
    case MainButton::kHelp:
      return "&Help";
    case MainButton::kOptions:
      return "&Options";
    case MainButton::kClear:
      return "&Clear Log";
  }
  return "";
}

// Erase Now, Test Now and Exit wait while a run is under way, whichever started it.
bool MainWindow::Enabled(MainButton button) {
  switch (button) {
    case MainButton::kErase:
      return eraseEnabled_ && !ctx_.run.active;
    case MainButton::kTest:
    case MainButton::kExit:
      return !ctx_.run.active;
    case MainButton::kSettings:
      return host_.HasWindow(OtherWindow::kSettings);
    case MainButton::kOptions:
      return host_.HasWindow(OtherWindow::kOptions);
    default:
      return true;
  }
}

bool MainWindow::Enabled(TrayEntry entry) {
  switch (entry) {
    case TrayEntry::kRestore:
      return trayRestoreEnabled_;
    case TrayEntry::kExit:
      return trayExitEnabled_ && !ctx_.run.active;
    case TrayEntry::kEraseNow:
    case TrayEntry::kTestNow:
      return !ctx_.run.active;
    case TrayEntry::kSettings:
      return host_.HasWindow(OtherWindow::kSettings);
    case TrayEntry::kOptions:
      return host_.HasWindow(OtherWindow::kOptions);
    default:
      return true;
  }
}

void MainWindow::Load() {
  const bool hiddenStart = ctx_.startArgument == "min" && ctx_.settings.StealthOn();
  visible_ = !hiddenStart;
  host_.Changed(MainWindowChange::kWindow);
  lastState_ = state_ == WindowState::kMinimized ? WindowState::kNormal : state_;
  InstallTrayAndHotKeys();
  ctx_.os.desktop.SetTrayTip(host_.handle(), "Quellorn");
  title_ = kTitle;
  host_.Changed(MainWindowChange::kTitle);
  Addtask(ctx_);
  if (ctx_.startArgument == "min") {
    SetWindowState(WindowState::kMinimized);
    if (triggers_ != nullptr) Serve([&] { triggers_->WindowsStartUp(); });
  }
  status_ = "Last Erased at: " + LastErased(ctx_.settingsFile);
  progressBarVisible_ = false;
  host_.Changed(MainWindowChange::kStatus);
  host_.Changed(MainWindowChange::kProgressBar);
  host_.Changed(MainWindowChange::kButtons);
}

// The tray icon only without stealth; a missing notification area leaves it out.
void MainWindow::InstallTrayAndHotKeys() {
  SyncHotKeys();
  if (!ctx_.settings.StealthOn()) ctx_.os.desktop.AddTrayIcon(host_.handle(), kTrayCallback);
}

// ALT+SPACE opens every program's window menu: it is taken only while the boss key needs it.
void MainWindow::SyncHotKeys() {
  platform::Desktop& desktop = ctx_.os.desktop;
  const platform::WindowHandle window = host_.handle();
  bool missing = false;
  for (HotKey& key : hotKeys_) {
    const bool wanted = key.id != kBossKeyId || ctx_.settings.BossKeyOn();
    if (wanted == key.held) continue;
    if (!wanted) {
      desktop.UnregisterHotKey(window, key.id);
      key.held = false;
      continue;
    }
    key.held = desktop.RegisterHotKey(window, key.id, platform::hot_key_modifier::kAlt, key.key) ==
               platform::kSuccess;
    key.tries = key.held ? 0 : key.tries + 1;
    if (key.tries == kHotKeyTriesBeforeLog) {
      WriteLog(ctx_, "Hot key " + std::string(key.name) + " is held by another program <Failed>");
    }
    missing = missing || !key.held;
  }
  if (missing) host_.RetryHotKeysLater();
}

template <typename Handler>
void MainWindow::Serve(Handler handler) {
  handler();
  if (unloaded_) return;
  host_.Changed(MainWindowChange::kButtons);
  if (closePending_ && !ctx_.run.active) Unload();
}

void MainWindow::OnClick(MainButton button) {
  if (!Enabled(button)) return;
  switch (button) {
    case MainButton::kErase:
      return Serve([&] {
        ctx_.run.triggered = false;
        EraseNow(ctx_);
      });
    case MainButton::kTest:
      return Serve([&] { TestNow(ctx_); });
    case MainButton::kSettings:
      return OpenIfPresent(OtherWindow::kSettings);
    case MainButton::kOptions:
      return OpenIfPresent(OtherWindow::kOptions);
    case MainButton::kAbout:
      return OpenIfPresent(OtherWindow::kAbout);
    case MainButton::kExit:
      return OnClose();
    case MainButton::kViewLog:
      return ViewLog(ctx_);
    case MainButton::kHelp:
      return OpenHelp(ctx_, help_page::kMainWindow);
    case MainButton::kClear:
      return ClearLogAndConfirm();
  }
}

void MainWindow::OnTrayClick(TrayEntry entry) {
  if (!Enabled(entry)) return;
  switch (entry) {
    case TrayEntry::kLink:
      ctx_.os.shell.Open(kMakerHomePage, platform::ShowStyle::kHidden);
      return;
    case TrayEntry::kHelp:
      return OpenHelp(ctx_, help_page::kTray);
    case TrayEntry::kRestore:
      return ShowFromHiding();
    case TrayEntry::kEraseNow:
      return Serve([&] { EraseNow(ctx_); });
    case TrayEntry::kTestNow:
      return Serve([&] { TestNow(ctx_); });
    case TrayEntry::kShow:
      return hider_.Show(ctx_.os.desktop);
    case TrayEntry::kHide:
      return hider_.Hide(ctx_.os.desktop);
    case TrayEntry::kSettings:
      return OpenIfPresent(OtherWindow::kSettings);
    case TrayEntry::kOptions:
      return OpenIfPresent(OtherWindow::kOptions);
    case TrayEntry::kDownload:
      ctx_.os.shell.Open(kMakerPluginsPage, platform::ShowStyle::kHidden);
      return;
    case TrayEntry::kExit:
      return OnClose();
  }
}

void MainWindow::OpenIfPresent(OtherWindow window) {
  if (!host_.HasWindow(window)) return;
  host_.OpenWindow(window);
  // The options window is modal: its OK may have turned the boss key on or off.
  if (window == OtherWindow::kOptions && !unloaded_) SyncHotKeys();
}

void MainWindow::ClearLogAndConfirm() {
  ClearLog(ctx_);
  host_.ShowMessage("Quellorn", "Log File Cleared Successfully!");
}

void MainWindow::OnMinimize() {
  SetWindowState(WindowState::kMinimized);
}

void MainWindow::OnTitleHelp() {
  OpenHelp(ctx_, help_page::kMainWindow);
}

void MainWindow::SetWindowState(WindowState state) {
  state_ = state;
  Resize();
}

// Minimized, the window lives in the tray (or, in stealth mode, nowhere to be seen).
void MainWindow::Resize() {
  if (state_ == WindowState::kMinimized) {
    trayRestoreEnabled_ = true;
    visible_ = false;
  } else {
    trayRestoreEnabled_ = false;
    lastState_ = state_;
  }
  host_.Changed(MainWindowChange::kWindow);
  host_.Changed(MainWindowChange::kButtons);
}

void MainWindow::OnResized(WindowState state) {
  if (state != state_) SetWindowState(state);
}

// Back from the tray or from hiding, in the state it had before.
void MainWindow::ShowFromHiding() {
  SetWindowState(lastState_);
  visible_ = true;
  host_.Changed(MainWindowChange::kWindow);
  host_.Focus();
}

std::optional<std::int64_t> MainWindow::Hook(std::uint32_t message, std::uint64_t wParam,
                                             std::int64_t lParam) {
  namespace wm = platform::window_message;
  switch (message) {
    case kTrayCallback:
      ClickTrayIcon(lParam);
      return 0;
    case wm::kHotKey:
      PressHotKey(wParam);
      return std::nullopt;
    case wm::kQueryEndSession:
      if (RefuseSessionEnd()) return 0;
      if (triggers_ != nullptr) Serve([&] { triggers_->QueryEndSession(); });
      return std::nullopt;
    case wm::kEndSession:
      if (wParam != 0) OnClose();
      return std::nullopt;
    case wm::kClose:
      OnClose();
      return 0;
    default:
      return std::nullopt;
  }
}

void MainWindow::ClickTrayIcon(std::int64_t mouseMessage) {
  if (mouseMessage == platform::window_message::kLeftButtonUp) {
    if (state_ == WindowState::kMinimized) SetWindowState(lastState_);
    visible_ = true;
    host_.Changed(MainWindowChange::kWindow);
    host_.Focus();
  } else if (mouseMessage == platform::window_message::kRightButtonUp) {
    host_.ShowTrayMenu();
  }
}

void MainWindow::PressHotKey(std::uint64_t id) {
  if (id == kBossKeyId && ctx_.settings.BossKeyOn()) {
    if (bossKeyState_ == 0) {
      bossKeyState_ = 1;
      hider_.Hide(ctx_.os.desktop);
    } else {
      hider_.Show(ctx_.os.desktop);
      bossKeyState_ = 0;
    }
  } else if (id == kShowHideKeyId) {
    if (visible_) {
      visible_ = false;
      host_.Changed(MainWindowChange::kWindow);
    } else {
      ShowFromHiding();
    }
  }
}

// Windows may not end the session under a run: the run would be cut off midway. The program
// closes when the run has ended, and the session can end then.
bool MainWindow::RefuseSessionEnd() {
  if (!ctx_.run.active) return false;
  closePending_ = true;
  return true;
}

void MainWindow::OnWatchTimer() {
  if (triggers_ != nullptr) Serve([&] { triggers_->WatchTimer(); });
}

void MainWindow::OnScheduleTimer() {
  if (triggers_ != nullptr) Serve([&] { triggers_->ScheduleTimer(); });
}

void MainWindow::OnClose() {
  if (ctx_.run.active) {
    closePending_ = true;
    return;
  }
  Unload();
}

void MainWindow::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (ctx_.settings.ClearsLogAtExit()) ClearLog(ctx_);
  ctx_.os.desktop.RemoveTrayIcon(host_.handle());
  host_.CloseAll();
}

}  // namespace quellorn::ui
