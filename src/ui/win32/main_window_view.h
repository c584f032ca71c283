#pragma once

#include <memory>
#include <string>

#include "ui/automatic_triggers.h"
#include "ui/main_window.h"
#include "ui/win32/about_view.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/message_view.h"
#include "ui/win32/question_box_view.h"
#include "ui/win32/skinned_window.h"
#include "ui/win32/track_selection_view.h"

namespace quellorn::ui::win32 {

// The main window on screen: it shows the model's state, hands it every event, and serves as
// its host (the other windows, the message loop). It hides from the task bar; the tray icon and
// ALT+A bring it back.
class MainWindowView : public SkinnedWindow, public MainWindowHost {
 public:
  MainWindowView(const SkinArt& art, MessageLoop& loop, Context& ctx);
  // The window goes before the objects it reports to.
  ~MainWindowView() override { Destroy(); }

  // The program's context, for the start-up steps before the window opens.
  Context& context() { return model_.context(); }
  // Creates the window and its controls and runs the load step.
  bool Open();

  platform::WindowHandle handle() override { return FromHwnd(hwnd()); }
  void Changed(MainWindowChange change) override;
  void ProgressChanged(ListChange change, std::size_t row) override;
  void TasksChanged(ListChange change, std::size_t row) override;
  void Focus() override;
  void PumpMessages() override;
  void PumpMessagesFor(std::chrono::milliseconds time) override;
  EraseMode ConfirmErase() override;
  MessageId ShowMessage(const std::string& heading, const std::string& text) override;
  bool IsMessageOpen(MessageId message) override;
  void CloseMessage(MessageId message) override;
  bool HasWindow(OtherWindow window) override;
  void OpenWindow(OtherWindow window) override;
  void ShowTrayMenu() override;
  void RetryHotKeysLater() override;
  void CloseAll() override;

 private:
  void Build();
  void BuildLists();
  void ApplyWindowState();
  void ApplyButtons();
  void ApplyProgressBar();
  void ShowLater();
  void ShowNow();
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { model_.OnClose(); }
  void OnTitleHelp() override { model_.OnTitleHelp(); }
  void OnTitleMinimize() override { model_.OnMinimize(); }
  void PaintContent(HDC dc) override;
  void ShowProgressLine(NMLVDISPINFOW& request);

  MessageLoop& loop_;
  MainWindow model_;
  QuestionBoxView questions_;
  AutomaticTriggers triggers_;
  UniqueWindow taskBarOwner_;
  UniqueBitmap logo_;
  UniqueImageList taskImages_;
  HWND tasks_ = nullptr;
  HWND progress_ = nullptr;
  HWND progressBar_ = nullptr;
  HWND status_ = nullptr;
  bool loaded_ = false;
  bool applying_ = false;
  ULONGLONG lastPump_ = 0;
  bool statusDue_ = false;
  bool progressDue_ = false;
  bool scrollDue_ = false;
  bool progressCleared_ = false;
  // The one message window, and the number of the message it shows.
  std::unique_ptr<MessageView> message_;
  MessageId shownMessage_ = 0;
  std::unique_ptr<AboutView> about_;
  std::unique_ptr<TrackSelectionView> trackSelection_;
};

}  // namespace quellorn::ui::win32
