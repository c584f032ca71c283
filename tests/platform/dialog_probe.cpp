// Started by the desktop and AutoComplete tests: shows dialog boxes and writes down, line by
// line, what reached them, so that a test can tell which window got which key strokes.
//   dialog_probe MODE REPORT EVENT [TITLE]
// MODE "window": one dialog titled TITLE with a "&Push" button, OK (the default) and Cancel.
//   Every key message its loop takes is written down ("char 97", "syschar 112", "keydown 13").
// MODE "bystander": the same, brought to the front with the keyboard focus in an edit box.
// MODE "late": the same as "window", but "&Push" is made half a second after the dialog.
// MODE "options": "Internet Properties" with "A&utoComplete...", which opens "AutoComplete
//   Settings" with "&Clear Forms" and "C&lear Passwords"; each asks "Internet Options" for OK.
//   The first line is the question sound the probe finds set when it starts.
// MODE "options-broken": the same, but "A&utoComplete..." opens nothing.
// The report starts with "pid=N" and ends with "end"; then the probe sets the named EVENT.
#include <string>
#include <vector>

#include "core/file_text.h"
#include "platform/win32/win32_base.h"
#include "platform/win32/win32_platform.h"

namespace {

using quellorn::platform::win32::ToUtf8;

constexpr WORD kPush = 100;
constexpr WORD kEdit = 101;
constexpr WORD kAutoComplete = 102;
constexpr WORD kClearForms = 201;
constexpr WORD kClearPasswords = 202;

struct Probe {
  quellorn::platform::Win32Platform backEnd;
  std::string report;
  std::string mode;

  void Write(const std::string& line) {
    quellorn::AppendToFile(backEnd.platform().files, report, line + "\r\n");
  }
};

Probe* probe = nullptr;

// A dialog template built in memory: the dialog and its push buttons and edit boxes.
class Template {
 public:
  Template(const std::wstring& title, short width, short height) {
    Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    Dword(0);
    count_ = words_.size();
    words_.insert(words_.end(), {0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height)});
    words_.insert(words_.end(), {0, 0});  // no menu, the dialog class
    Text(title);
  }
  void Button(const std::wstring& text, WORD id, short x, short y, DWORD style = BS_PUSHBUTTON) {
    Item(0x0080, text, id, x, y, style | WS_TABSTOP);
  }
  void Edit(WORD id, short x, short y) { Item(0x0081, L"", id, x, y, WS_BORDER | WS_TABSTOP); }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Item(WORD kind, const std::wstring& text, WORD id, short x, short y, DWORD style) {
    if (words_.size() % 2 != 0) words_.push_back(0);  // items start on a DWORD
    Dword(WS_CHILD | WS_VISIBLE | style);
    Dword(0);
    words_.insert(words_.end(), {static_cast<WORD>(x), static_cast<WORD>(y), 90, 14, id});
    words_.insert(words_.end(), {0xFFFF, kind});
    Text(text);
    words_.push_back(0);  // no creation data
    ++words_[count_];
  }
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Text(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;
  std::size_t count_ = 0;
};

std::string QuestionSound() {
  wchar_t sound[512] = {};
  DWORD size = sizeof sound;
  const LSTATUS status = RegGetValueW(
      HKEY_CURRENT_USER, L"AppEvents\\Schemes\\Apps\\.Default\\SystemQuestion\\.Current", nullptr,
      RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, sound, &size);
  return status == ERROR_SUCCESS ? ToUtf8(sound) : "(none)";
}

void Ask(HWND owner, const char* what) {
  const int answer = MessageBoxW(owner, L"Delete them?", L"Internet Options", MB_OKCANCEL);
  probe->Write(std::string(what) + (answer == IDOK ? " cleared" : " kept"));
}

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case kClearForms:
      Ask(dialog, "forms");
      return TRUE;
    case kClearPasswords:
      Ask(dialog, "passwords");
      return TRUE;
    case IDOK:
    case IDCANCEL:
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

void OpenSettings(HWND owner) {
  if (probe->mode == "options-broken") {
    probe->Write("autocomplete unavailable");
    return;
  }
  Template settings(L"AutoComplete Settings", 200, 100);
  settings.Button(L"&Clear Forms", kClearForms, 10, 10);
  settings.Button(L"C&lear Passwords", kClearPasswords, 10, 30);
  settings.Button(L"OK", IDOK, 10, 70, BS_DEFPUSHBUTTON);
  settings.Button(L"Cancel", IDCANCEL, 105, 70);
  probe->Write("autocomplete opened");
  const INT_PTR result = DialogBoxIndirectParamW(nullptr, settings.get(), owner, SettingsProc, 0);
  probe->Write("autocomplete closed " + std::to_string(result));
}

void End(HWND dialog, const std::string& why) {
  probe->Write(why);
  DestroyWindow(dialog);
  PostQuitMessage(0);
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      if (probe->mode == "late") {
        Sleep(500);
        CreateWindowW(L"Button", L"&Push", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 10,
                      10, 90, 24, dialog, reinterpret_cast<HMENU>(kPush), nullptr, nullptr);
      }
      return TRUE;
    case WM_CLOSE:
      End(dialog, "close " + std::to_string(wParam) + " " + std::to_string(lParam));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kPush:
          probe->Write("push");
          return TRUE;
        case kAutoComplete:
          OpenSettings(dialog);
          return TRUE;
        case IDOK:
          End(dialog, "ok");
          return TRUE;
        case IDCANCEL:
          End(dialog, "cancel");
          return TRUE;
      }
  }
  return FALSE;
}

void WriteKey(const MSG& message) {
  if (message.message == WM_CHAR) probe->Write("char " + std::to_string(message.wParam));
  if (message.message == WM_SYSCHAR) probe->Write("syschar " + std::to_string(message.wParam));
  if (message.message == WM_KEYDOWN) probe->Write("keydown " + std::to_string(message.wParam));
}

HWND CreateMain(const std::wstring& title) {
  const bool options = probe->mode.starts_with("options");
  Template main(options ? L"Internet Properties" : title, 220, 120);
  if (options) {
    main.Button(L"A&utoComplete...", kAutoComplete, 10, 10);
  } else {
    if (probe->mode != "late") main.Button(L"&Push", kPush, 10, 10);
    main.Edit(kEdit, 10, 30);
  }
  main.Button(L"OK", IDOK, 10, 90, BS_DEFPUSHBUTTON);
  main.Button(L"Cancel", IDCANCEL, 110, 90);
  return CreateDialogIndirectParamW(nullptr, main.get(), nullptr, MainProc, 0);
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 4) return 2;
  Probe state;
  probe = &state;
  state.mode = ToUtf8(argv[1]);
  state.report = ToUtf8(argv[2]);
  state.Write("pid=" + std::to_string(GetCurrentProcessId()));
  if (state.mode.starts_with("options")) state.Write("sound=" + QuestionSound());

  const HWND main = CreateMain(argc > 4 ? argv[4] : L"Probe");
  if (main == nullptr) {
    state.Write("no window");
  } else {
    ShowWindow(main, SW_SHOWDEFAULT);
    if (state.mode == "bystander") {
      SetForegroundWindow(main);
      SetFocus(GetDlgItem(main, kEdit));
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      WriteKey(message);
      if (!IsDialogMessageW(main, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  state.Write("end");
  quellorn::platform::win32::UniqueHandle done(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]));
  if (done) SetEvent(done.get());
  LocalFree(argv);
  return 0;
}
