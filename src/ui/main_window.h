#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/context.h"
#include "core/run_view.h"
#include "ui/boss_key.h"
#include "ui/main_window_host.h"

namespace quellorn::ui {

// The window states as the main window keeps them; LastState holds kNormal or kMaximized.
enum class WindowState : std::int16_t { kNormal = 0, kMinimized = 1, kMaximized = 2 };

enum class MainButton {
  kErase,
  kSettings,
  kTest,
  kAbout,
  kExit,
  kViewLog,
  kHelp,
  kOptions,
  kClear
};

enum class TrayEntry {
  kLink,
  kHelp,
  kRestore,
  kEraseNow,
  kTestNow,
  kShow,
  kHide,
  kSettings,
  kOptions,
  kDownload,
  kExit,
};

// One line of the tray menu; a separator has no entry.
struct TrayMenuLine {
  std::optional<TrayEntry> entry;
  std::string_view caption;
};

// One row of the task list.
struct TaskRow {
  std::string text;
  std::string status;
  std::string icon;  // the key of its image: a group key, "working" or "done"
};

// The main window (frmMain) without its toolkit: its controls' state, the load and unload
// steps, the handlers of its buttons, title images, tray icon and tray menu, hot keys and timers,
// and everything a run shows. It is the run view of the program's context.
class MainWindow : public RunView {
 public:
  static constexpr std::string_view kTitle = "Quellorn 2.0";
  static constexpr std::uint32_t kTrayCallback = 2025;
  static constexpr int kBossKeyId = 1;      // ALT+SPACE
  static constexpr int kShowHideKeyId = 2;  // ALT+A
  // Timer1: the home page check and the browser shutdown check.
  static constexpr std::chrono::milliseconds kWatchTimerInterval{5000};
  // TmrAuto: the periodic erase.
  static constexpr std::chrono::milliseconds kScheduleTimerInterval{60000};
  // How long the result of a triggered run stays before it closes by itself.
  static constexpr std::chrono::milliseconds kResultStays{3000};
  // A hot key another window holds (an older copy closing, another program) is asked for again
  // this often; after so many tries the log says which key is missing.
  static constexpr std::chrono::milliseconds kHotKeyRetryInterval{500};
  static constexpr int kHotKeyTriesBeforeLog = 10;

  // Shows the runs of `ctx`, which must outlive the window.
  MainWindow(Context& ctx, MainWindowHost& host);

  Context& context() { return ctx_; }
  void SetTriggers(MainWindowTriggers* triggers) { triggers_ = triggers; }

  static std::span<const TrayMenuLine> TrayMenu();

  // The load step: visibility from the start argument and stealth, tray icon and hot keys, the
  // lists, the task list and the status line.
  void Load();

  void OnClick(MainButton button);
  void OnTrayClick(TrayEntry entry);
  void OnMinimize();   // imgTitleMinimize
  void OnTitleHelp();  // imgTitleHelp
  // Any request to close the program: the Exit button and menu entry, the close image, a
  // second copy's close message, the end of the Windows session. Under a run it waits for the
  // run to end.
  void OnClose();
  // The window state changed by other means than the window's own (the system's).
  void OnResized(WindowState state);
  // Every message of the window passes here first: the tray icon's, the hot keys and the end of
  // the session. Answers the result when the message stops here, nothing when it goes on to the
  // window's ordinary handling.
  std::optional<std::int64_t> Hook(std::uint32_t message, std::uint64_t wParam,
                                   std::int64_t lParam);
  void OnWatchTimer();
  void OnScheduleTimer();
  void OnHotKeyTimer() { SyncHotKeys(); }

  // The window's state, as the toolkit shows it.
  bool visible() const { return visible_; }
  WindowState state() const { return state_; }
  WindowState lastState() const { return lastState_; }
  const std::string& title() const { return title_; }
  std::string_view Caption(MainButton button) const;
  bool Enabled(MainButton button);
  bool Enabled(TrayEntry entry);
  const std::string& status() const { return status_; }
  bool progressBarVisible() const { return progressBarVisible_; }
  int progress() const { return progress_; }
  const std::vector<std::string>& progressLines() const { return progressLines_; }
  const std::vector<TaskRow>& tasks() const { return tasks_; }
  bool browsersHidden() const { return bossKeyState_ != 0; }
  const BrowserHider& browserHider() const { return hider_; }
  bool closePending() const { return closePending_; }
  bool unloaded() const { return unloaded_; }

  // What a run shows and asks.
  EraseMode ConfirmErase() override;
  void ShowResult(const std::string& title, const std::string& message, bool autoClose) override;
  void EnableErase(bool enabled) override;
  void EnableTrayExit(bool enabled) override;
  void SetEraseCaption(const std::string& caption) override;
  void ClearProgress() override;
  void AddProgressLine(const std::string& line) override;
  void ScrollProgressDown() override;
  void SetStatus(const std::string& text) override;
  void ShowProgressBar(bool visible) override;
  void SetProgress(int percent) override;
  void ClearTasks() override;
  void AddTask(const std::string& text, const std::string& icon) override;
  void SetTaskState(int row, const std::string& status, const std::string& icon) override;
  void ScrollTasksDown() override;
  void Yield() override;

 private:
  // Runs an event handler that may start a run; a close asked for meanwhile follows it.
  template <typename Handler>
  void Serve(Handler handler);
  void SetWindowState(WindowState state);
  void Resize();
  void ShowFromHiding();
  void InstallTrayAndHotKeys();
  // Holds ALT+A, and ALT+SPACE while the boss key is on; releases ALT+SPACE when it is off.
  void SyncHotKeys();
  void ClickTrayIcon(std::int64_t mouseMessage);
  void PressHotKey(std::uint64_t id);
  bool RefuseSessionEnd();
  void OpenIfPresent(OtherWindow window);
  void ClearLogAndConfirm();
  void Unload();

  Context& ctx_;
  MainWindowHost& host_;
  MainWindowTriggers* triggers_ = nullptr;

  bool visible_ = false;
  WindowState state_ = WindowState::kNormal;
  WindowState lastState_ = WindowState::kNormal;
  std::string title_;
  std::string eraseCaption_ = "&Erase Now";
  bool eraseEnabled_ = true;
  bool trayExitEnabled_ = true;
  bool trayRestoreEnabled_ = false;
  std::string status_;
  bool progressBarVisible_ = false;
  int progress_ = 0;
  std::vector<std::string> progressLines_;
  std::vector<TaskRow> tasks_;
  BrowserHider hider_;
  struct HotKey {
    int id;
    std::uint32_t key;
    std::string_view name;
    bool held = false;
    int tries = 0;
  };
  std::array<HotKey, 2> hotKeys_{
      {{kBossKeyId, 0x20, "ALT+SPACE"}, {kShowHideKeyId, 0x41, "ALT+A"}}};
  std::int32_t bossKeyState_ = 0;
  bool closePending_ = false;
  bool unloaded_ = false;
};

}  // namespace quellorn::ui
