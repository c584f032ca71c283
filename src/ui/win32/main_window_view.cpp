#include "ui/win32/main_window_view.h"

#include <algorithm>

#include "run/second_copy.h"
#include "ui/program_documents.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/erase_now_view.h"
#include "ui/win32/options_view.h"
#include "ui/win32/picture.h"
#include "ui/win32/tray_menu.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 554;
constexpr int kHeight = 452;
// The left column holds the logo and the buttons, the right one the lists.
constexpr int kColumnWidth = 168;
constexpr int kLogoHeight = 60;
constexpr int kListsLeft = kContentLeft + kColumnWidth + 12;
constexpr int kListsWidth = kWidth - kContentLeft - kListsLeft;
constexpr int kButtonsTop = kContentTop + kLogoHeight + 12;
constexpr int kButtonStep = 31;
constexpr int kTaskListHeight = 172;
constexpr int kBarHeight = 16;
constexpr int kStatusTop = kHeight - kContentBottomMargin - 16;

constexpr int kFirstButton = 1001;
constexpr int kTaskListId = 1101;
constexpr int kProgressListId = 1102;
constexpr ULONGLONG kPumpInterval = 40;  // milliseconds
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT_PTR kScheduleTimer = 2;
constexpr UINT_PTR kHotKeyTimer = 3;

// The buttons from top to bottom.
constexpr MainButton kButtons[] = {
    MainButton::kErase,   MainButton::kTest,    MainButton::kSettings,
    MainButton::kOptions, MainButton::kViewLog, MainButton::kClear,
    MainButton::kHelp,    MainButton::kAbout,   MainButton::kExit,
};

int ButtonId(MainButton button) {
  return kFirstButton + static_cast<int>(button);
}

void AddColumn(HWND list, int index, const wchar_t* heading, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<wchar_t*>(heading);
  column.cx = Px(width);
  ListView_InsertColumn(list, index, &column);
}

void ScrollDown(HWND list) {
  SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
}

}  // namespace

MainWindowView::MainWindowView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kMain, kWidth, kHeight),
      loop_(loop),
      model_(ctx, *this),
      triggers_(ctx, questions_) {
  model_.SetTriggers(&triggers_);
}

bool MainWindowView::Open() {
  static const std::wstring className = Wide(kMainWindowClass);
  // Never in the task bar, whatever the mode: a tool window is left out of Windows' task bar,
  // and a window with an owner out of every task bar (Wine's shows tool windows).
  taskBarOwner_.reset(CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
  if (!CreateSkinned(className.c_str(), kMainWindowTitle, taskBarOwner_.get(), WS_EX_TOOLWINDOW)) {
    return false;
  }
  Build();
  model_.Load();
  loaded_ = true;
  ApplyWindowState();
  SetTimer(hwnd(), kWatchTimer, static_cast<UINT>(MainWindow::kWatchTimerInterval.count()),
           nullptr);
  SetTimer(hwnd(), kScheduleTimer, static_cast<UINT>(MainWindow::kScheduleTimerInterval.count()),
           nullptr);
  loop_.AddWindow(hwnd());
  return true;
}

void MainWindowView::Build() {
  logo_ = LoadPicture(LogoPath(model_.context()));
  const HFONT font = fonts().text.get();
  int top = kButtonsTop;
  for (const MainButton button : kButtons) {
    MakeButton(hwnd(), ButtonId(button), model_.Caption(button),
               {kContentLeft, top, kColumnWidth, kButtonHeight}, font);
    top += kButtonStep;
  }
  BuildLists();
  const int listsBottom =
      kButtonsTop + static_cast<int>(std::size(kButtons) - 1) * kButtonStep + kButtonHeight;
  progressBar_ =
      MakeProgressBar(hwnd(), 0, {kListsLeft, listsBottom - kBarHeight, kListsWidth, kBarHeight});
  status_ = MakeLabel(hwnd(), 0, "", {kContentLeft, kStatusTop, kWidth - 2 * kContentLeft, 16},
                      font, SS_LEFT | SS_ENDELLIPSIS);
}

void MainWindowView::BuildLists() {
  const HFONT font = fonts().text.get();
  tasks_ =
      MakeListView(hwnd(), kTaskListId, {kListsLeft, kContentTop, kListsWidth, kTaskListHeight},
                   font, LVS_SINGLESEL | LVS_NOSORTHEADER);
  AddColumn(tasks_, 0, L"Task", 229);
  AddColumn(tasks_, 1, L"Status", 70);
  taskImages_.reset(art().MakeTaskImages());
  ListView_SetImageList(tasks_, taskImages_.get(), LVSIL_SMALL);

  const int top = kContentTop + kTaskListHeight + kGap;
  const int listsBottom =
      kButtonsTop + static_cast<int>(std::size(kButtons) - 1) * kButtonStep + kButtonHeight;
  // The list asks for its lines as it shows them: a run adds thousands, and a list that kept
  // copies would take longer to add each one the more it holds.
  progress_ = MakeListView(hwnd(), kProgressListId,
                           {kListsLeft, top, kListsWidth, listsBottom - kBarHeight - 6 - top}, font,
                           LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_OWNERDATA);
  // As wide as the list: no horizontal scroll bar, and a long line shows whole in its tip.
  RECT inside;
  GetClientRect(progress_, &inside);
  AddColumn(progress_, 0, L"", Logical(inside.right - GetSystemMetrics(SM_CXVSCROLL)));
}

void MainWindowView::Changed(MainWindowChange change) {
  if (!open()) return;
  switch (change) {
    case MainWindowChange::kWindow:
      if (loaded_) ApplyWindowState();
      return;
    case MainWindowChange::kButtons:
      ApplyButtons();
      return ShowLater();
    case MainWindowChange::kTitle:
      return SetTitle(model_.title());
    case MainWindowChange::kStatus:
      statusDue_ = true;
      return ShowLater();
    case MainWindowChange::kProgressBar:
      ApplyProgressBar();
      return ShowLater();
  }
}

void MainWindowView::ApplyWindowState() {
  applying_ = true;
  const bool wasHidden = !IsWindowVisible(hwnd()) || IsIconic(hwnd());
  if (!model_.visible()) {
    ShowWindow(hwnd(), SW_HIDE);
  } else if (model_.state() == WindowState::kMaximized) {
    ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
  } else {
    ShowWindow(hwnd(), IsIconic(hwnd()) || IsZoomed(hwnd()) ? SW_RESTORE : SW_SHOW);
    // Back from the tray or from hiding, it comes back where it can be seen.
    if (wasHidden) KeepInWorkArea(hwnd());
  }
  applying_ = false;
}

void MainWindowView::ApplyButtons() {
  for (const MainButton button : kButtons) {
    const HWND control = GetDlgItem(hwnd(), ButtonId(button));
    SetText(control, model_.Caption(button));
    EnableWindow(control, model_.Enabled(button));
  }
}

void MainWindowView::ApplyProgressBar() {
  SendMessageW(progressBar_, PBM_SETPOS, static_cast<WPARAM>(model_.progress()), 0);
  ShowWindow(progressBar_, model_.progressBarVisible() ? SW_SHOW : SW_HIDE);
}

void MainWindowView::ProgressChanged(ListChange change, std::size_t) {
  if (!open()) return;
  progressDue_ = true;
  if (change == ListChange::kScrolled) scrollDue_ = true;
  if (change == ListChange::kCleared) progressCleared_ = true;
  ShowLater();
}

// A run changes the status line and the progress list for every item it reports. Under a run
// they are shown at its next pass of the message loop, all at once: updating the controls line by
// line would cost far more than the run itself.
void MainWindowView::ShowLater() {
  if (!model_.context().run.active) ShowNow();
}

void MainWindowView::ShowNow() {
  if (statusDue_) SetText(status_, model_.status());
  if (progressDue_) {
    ListView_SetItemCountEx(progress_, static_cast<int>(model_.progressLines().size()),
                            LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  }
  // Once emptied, the rows in view may show other lines under the same numbers: repaint them.
  if (progressCleared_) InvalidateRect(progress_, nullptr, TRUE);
  // The newest line stays in view.
  if (scrollDue_ && !model_.progressLines().empty()) {
    ListView_EnsureVisible(progress_, static_cast<int>(model_.progressLines().size() - 1), FALSE);
  }
  statusDue_ = progressDue_ = scrollDue_ = progressCleared_ = false;
}

void MainWindowView::TasksChanged(ListChange change, std::size_t row) {
  if (!open()) return;
  switch (change) {
    case ListChange::kCleared:
      ListView_DeleteAllItems(tasks_);
      break;
    case ListChange::kAdded:
    case ListChange::kRowChanged: {
      const TaskRow& task = model_.tasks()[row];
      std::wstring text = Wide(task.text);
      std::wstring status = Wide(task.status);
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_IMAGE;
      item.iItem = static_cast<int>(row);
      item.pszText = text.data();
      item.iImage = SkinArt::Index(task.icon);
      if (change == ListChange::kAdded) {
        ListView_InsertItem(tasks_, &item);
      } else {
        ListView_SetItem(tasks_, &item);
      }
      ListView_SetItemText(tasks_, static_cast<int>(row), 1, status.data());
      break;
    }
    case ListChange::kScrolled:
      ScrollDown(tasks_);
      break;
  }
}

void MainWindowView::Focus() {
  SetForegroundWindow(hwnd());
  SetFocus(GetDlgItem(hwnd(), ButtonId(MainButton::kErase)));
}

// A run yields after every line it reports. Serving the events a few dozen times a second
// keeps the window live and leaves the run its time.
void MainWindowView::PumpMessages() {
  const ULONGLONG now = GetTickCount64();
  if (now - lastPump_ < kPumpInterval) return;
  lastPump_ = now;
  ShowNow();
  loop_.PumpPending();
}

void MainWindowView::PumpMessagesFor(std::chrono::milliseconds time) {
  ShowNow();
  loop_.PumpFor(time);
}

EraseMode MainWindowView::ConfirmErase() {
  EraseNowView confirmation(art(), loop_, model_.context());
  return confirmation.Ask(hwnd());
}

// One message window: a new message takes the place of the one shown, and comes to the front.
MessageId MainWindowView::ShowMessage(const std::string& heading, const std::string& text) {
  std::optional<POINT> at;
  if (message_ && message_->open()) {
    RECT shown;
    GetWindowRect(message_->hwnd(), &shown);
    at = POINT{shown.left, shown.top};
    message_->Close();
  }
  message_ = std::make_unique<MessageView>(art(), loop_, heading, text);
  message_->Show(hwnd(), at);
  return ++shownMessage_;
}

bool MainWindowView::IsMessageOpen(MessageId message) {
  return message == shownMessage_ && message_ && message_->open();
}

void MainWindowView::CloseMessage(MessageId message) {
  if (IsMessageOpen(message)) message_->Close();
}

bool MainWindowView::HasWindow(OtherWindow) {
  return true;
}

void MainWindowView::OpenWindow(OtherWindow window) {
  if (window == OtherWindow::kOptions) {
    OptionsView options(art(), loop_, model_.context());
    return options.Run(hwnd());
  }
  if (window == OtherWindow::kSettings) {
    if (trackSelection_ && trackSelection_->open()) {
      SetForegroundWindow(trackSelection_->hwnd());
      return;
    }
    trackSelection_ = std::make_unique<TrackSelectionView>(art(), loop_, model_.context());
    trackSelection_->Show(hwnd());
    return;
  }
  if (about_ && about_->open()) {
    SetForegroundWindow(about_->hwnd());
    return;
  }
  about_ = std::make_unique<AboutView>(art(), loop_, model_.context());
  about_->Show(hwnd());
}

void MainWindowView::ShowTrayMenu() {
  if (const auto entry = ChooseFromTrayMenu(hwnd(), model_)) model_.OnTrayClick(*entry);
}

void MainWindowView::RetryHotKeysLater() {
  SetTimer(hwnd(), kHotKeyTimer, static_cast<UINT>(MainWindow::kHotKeyRetryInterval.count()),
           nullptr);
}

void MainWindowView::CloseAll() {
  if (message_ && message_->open()) message_->Close();
  if (about_ && about_->open()) about_->Close();
  if (trackSelection_) trackSelection_->Close();
  loop_.RemoveWindow(hwnd());
  Destroy();
}

LRESULT MainWindowView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (loaded_) {
    if (const auto answer = model_.Hook(message, wParam, static_cast<std::int64_t>(lParam))) {
      return static_cast<LRESULT>(*answer);
    }
  }
  return SkinnedWindow::Handle(message, wParam, lParam);
}

LRESULT MainWindowView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (loaded_ && !applying_) {
        model_.OnResized(wParam == SIZE_MINIMIZED   ? WindowState::kMinimized
                         : wParam == SIZE_MAXIMIZED ? WindowState::kMaximized
                                                    : WindowState::kNormal);
      }
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == progress_ && header->code == LVN_GETDISPINFOW) {
        ShowProgressLine(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
      }
      return 0;
    }
    case WM_TIMER:
      if (wParam == kWatchTimer) model_.OnWatchTimer();
      if (wParam == kScheduleTimer) model_.OnScheduleTimer();
      if (wParam == kHotKeyTimer) {
        KillTimer(hwnd(), kHotKeyTimer);
        model_.OnHotKeyTimer();
      }
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kWatchTimer);
      KillTimer(hwnd(), kScheduleTimer);
      KillTimer(hwnd(), kHotKeyTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return SkinnedWindow::OnMessage(message, wParam, lParam);
  }
}

// The progress list's text, line by line as the list shows them.
void MainWindowView::ShowProgressLine(NMLVDISPINFOW& request) {
  LVITEMW& item = request.item;
  const auto& lines = model_.progressLines();
  if (!(item.mask & LVIF_TEXT) || item.iItem < 0 ||
      static_cast<std::size_t>(item.iItem) >= lines.size() || item.cchTextMax <= 0) {
    return;
  }
  const std::wstring text = Wide(lines[static_cast<std::size_t>(item.iItem)]);
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
  text.copy(item.pszText, length);
  item.pszText[length] = L'\0';
}

void MainWindowView::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  for (const MainButton button : kButtons) {
    if (id == ButtonId(button)) return model_.OnClick(button);
  }
}

void MainWindowView::PaintContent(HDC dc) {
  DrawPicture(dc, logo_.get(), kContentLeft, kContentTop);
  DrawEtched(dc, {kContentLeft, kStatusTop - 6, kWidth - kContentLeft, kStatusTop - 4}, BF_TOP);
}

}  // namespace quellorn::ui::win32
