#pragma once

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ui/main_window_host.h"

namespace quellorn::testing {

// A main window host that remembers what the window asked of it. Its window is one the test
// put on the desktop; `onPump` stands for the events a pass of the message loop would serve.
class RecordingHost : public ui::MainWindowHost {
 public:
  struct Message {
    std::string heading;
    std::string text;
  };

  platform::WindowHandle window = 0;
  std::vector<Message> messages;
  std::set<ui::MessageId> openMessages;
  std::vector<std::chrono::milliseconds> waits;
  std::vector<ui::OtherWindow> opened;
  std::set<ui::OtherWindow> available{ui::OtherWindow::kAbout};
  int trayMenus = 0;
  int hotKeyRetries = 0;
  int focuses = 0;
  int closeAlls = 0;
  std::function<void()> onPump;

  platform::WindowHandle handle() override { return window; }
  void Changed(ui::MainWindowChange) override {}
  void ProgressChanged(ui::ListChange, std::size_t) override {}
  void TasksChanged(ui::ListChange, std::size_t) override {}
  void Focus() override { ++focuses; }
  void PumpMessages() override {
    if (onPump) onPump();
  }
  void PumpMessagesFor(std::chrono::milliseconds time) override {
    waits.push_back(time);
    PumpMessages();
  }
  EraseMode ConfirmErase() override { return EraseMode::kErase; }
  ui::MessageId ShowMessage(const std::string& heading, const std::string& text) override {
    messages.push_back({heading, text});
    openMessages.insert(messages.size() - 1);
    return messages.size() - 1;
  }
  bool IsMessageOpen(ui::MessageId message) override { return openMessages.contains(message); }
  void CloseMessage(ui::MessageId message) override { openMessages.erase(message); }
  bool HasWindow(ui::OtherWindow which) override { return available.contains(which); }
  void OpenWindow(ui::OtherWindow which) override { opened.push_back(which); }
  void ShowTrayMenu() override { ++trayMenus; }
  void RetryHotKeysLater() override { ++hotKeyRetries; }
  void CloseAll() override { ++closeAlls; }
};

}  // namespace quellorn::testing
