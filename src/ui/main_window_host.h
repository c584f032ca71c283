#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "core/erase_mode.h"
#include "platform/desktop.h"

namespace quellorn::ui {

// What of the main window's state the toolkit must show anew.
enum class MainWindowChange {
  kWindow,       // visible or not, and the window state
  kButtons,      // which buttons and tray menu entries are enabled, and their captions
  kTitle,        // the title over the skinned frame
  kStatus,       // the status line
  kProgressBar,  // shown or not, and its value
};

// How one of the two lists changed.
enum class ListChange { kCleared, kAdded, kRowChanged, kScrolled };

// The windows the main window opens (the options window modal, the others beside it).
enum class OtherWindow { kSettings, kOptions, kAbout };

// A message window the host has shown.
using MessageId = std::size_t;

// What the main window's model needs of its toolkit: the window on the desktop, the other
// windows, and the message loop. The toolkit reads what to show from the model after each
// change.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;

  // The main window on the desktop (hot keys and the tray icon belong to it).
  virtual platform::WindowHandle handle() = 0;

  virtual void Changed(MainWindowChange change) = 0;
  // The progress list and the task list; `row` counts from 0 (the row added or changed).
  virtual void ProgressChanged(ListChange change, std::size_t row) = 0;
  virtual void TasksChanged(ListChange change, std::size_t row) = 0;
  virtual void Focus() = 0;

  // Serves the events waiting now (repaint, timers, hot keys, clicks), then returns.
  virtual void PumpMessages() = 0;
  // Serves events as they come for the time given.
  virtual void PumpMessagesFor(std::chrono::milliseconds time) = 0;

  // The confirmation window, modal: the mode the user chose.
  virtual EraseMode ConfirmErase() = 0;
  // The message window, modeless, with its heading (also its caption) and text.
  virtual MessageId ShowMessage(const std::string& heading, const std::string& text) = 0;
  virtual bool IsMessageOpen(MessageId message) = 0;
  virtual void CloseMessage(MessageId message) = 0;
  // Whether the toolkit has that window, and showing it.
  virtual bool HasWindow(OtherWindow window) = 0;
  virtual void OpenWindow(OtherWindow window) = 0;
  // The tray menu, at the mouse.
  virtual void ShowTrayMenu() = 0;
  // Calls the window's OnHotKeyTimer once, after its retry interval.
  virtual void RetryHotKeysLater() = 0;

  // Closes the main window and every other window of the program; the program ends.
  virtual void CloseAll() = 0;
};

// What the automatic erase triggers do at the main window's events: its load step when
// Windows started the program, its two timers, and Windows asking to end the session.
class MainWindowTriggers {
 public:
  virtual ~MainWindowTriggers() = default;
  virtual void WindowsStartUp() = 0;
  virtual void WatchTimer() = 0;
  virtual void ScheduleTimer() = 0;
  virtual void QueryEndSession() = 0;
};

}  // namespace quellorn::ui
