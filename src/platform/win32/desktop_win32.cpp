#include "platform/win32/desktop_win32.h"

#include <algorithm>
#include <iterator>

#include "platform/key_notation.h"
#include "platform/win32/win32_base.h"
#include "platform/win32/window_handle.h"

namespace quellorn::platform {

namespace {

using win32::FromHwnd;
using win32::ToHwnd;
using Clock = std::chrono::steady_clock;

constexpr DWORD kPollMilliseconds = 20;
// How long PostKeys waits for the window's program to take messages again.
constexpr UINT kResponseMilliseconds = 5000;

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// The first top-level window with this title (of this process, unless it is 0).
HWND FindNow(const std::wstring& title, DWORD process) {
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); window != nullptr;
       window = FindWindowExW(nullptr, window, nullptr, title.c_str())) {
    if (process == 0 || ProcessOf(window) == process) return window;
  }
  return nullptr;
}

// Asks `holds` until it answers true or `patience` has run out; answers its last answer.
template <typename Condition>
bool PollUntil(Condition holds, std::chrono::milliseconds patience) {
  const Clock::time_point deadline = Clock::now() + patience;
  while (!holds()) {
    if (Clock::now() >= deadline) return false;
    Sleep(kPollMilliseconds);
  }
  return true;
}

// The lParam of a key message: repeat count 1, the key's scan code, and for a release the
// previous-state and transition bits.
LPARAM KeyParam(UINT scanCode, bool release) {
  LPARAM param = 1 | (static_cast<LPARAM>(scanCode) << 16);
  if (release) param |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return param;
}

// A named key goes to the window's queue as the keyboard would queue it: a dialog box acts on
// Enter and Tab within itself.
BOOL PostNamedKey(HWND window, bool enter) {
  const WPARAM key = enter ? VK_RETURN : VK_TAB;
  const UINT scanCode = enter ? 0x1C : 0x0F;
  return PostMessageW(window, WM_KEYDOWN, key, KeyParam(scanCode, false)) &&
         PostMessageW(window, WM_KEYUP, key, KeyParam(scanCode, true));
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, kResponseMilliseconds, &length)) {
    return {};
  }
  return std::wstring(text, std::min<std::size_t>(length, std::size(text) - 1));
}

// The underlined letter of a control's text: the character after a single "&".
wchar_t Mnemonic(const std::wstring& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return text[i + 1];
    ++i;  // "&&" is an ampersand
  }
  return 0;
}

wchar_t Upper(wchar_t c) {
  return static_cast<wchar_t>(reinterpret_cast<std::uintptr_t>(
      CharUpperW(reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(c)))));
}

struct ButtonSearch {
  wchar_t letter;
  HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND child, LPARAM param) {
  auto& search = *reinterpret_cast<ButtonSearch*>(param);
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  wchar_t kind[16] = {};
  GetClassNameW(child, kind, static_cast<int>(std::size(kind)));
  const LONG_PTR type = style & BS_TYPEMASK;
  if ((style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE && lstrcmpiW(kind, L"Button") == 0 &&
      (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
      Upper(Mnemonic(TextOf(child))) == search.letter) {
    search.found = child;
    return FALSE;
  }
  return TRUE;
}

// Alt with a letter in a dialog box presses the button whose underlined letter it is. The
// dialog manager would look for that button in other programs' windows as well when the
// dialog is hidden (Wine does), so the button is looked up here, among the window's own
// controls alone, and pressed the way a click reports it to its dialog. A dialog box is a
// window before its controls are made, so a window just found is given time to make them.
Status PressButton(HWND window, char16_t letter) {
  ButtonSearch search{Upper(static_cast<wchar_t>(letter))};
  const auto found = [&] {
    EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr || !IsWindow(window);
  };
  PollUntil(found, std::chrono::milliseconds(kResponseMilliseconds));
  if (search.found == nullptr) return kNotFound;
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED);
  return win32::StatusOf(PostMessageW(GetParent(search.found), WM_COMMAND, command,
                                      reinterpret_cast<LPARAM>(search.found)));
}

Status PostStroke(HWND window, const KeyStroke& stroke) {
  if (stroke.kind == KeyStroke::Kind::kAltCharacter) return PressButton(window, stroke.character);
  return win32::StatusOf(PostNamedKey(window, stroke.kind == KeyStroke::Kind::kEnter));
}

}  // namespace

WindowHandle Win32Desktop::FindByTitle(std::string_view title, std::chrono::milliseconds patience,
                                       WindowHandle sameProcessAs) {
  std::wstring wide;
  if (!win32::ToWide(title, wide)) return 0;
  DWORD process = 0;
  if (sameProcessAs != 0) {
    process = ProcessOf(ToHwnd(sameProcessAs));
    if (process == 0) return 0;  // that window has gone, and with it its program's windows
  }
  HWND found = nullptr;
  PollUntil([&] { return (found = FindNow(wide, process)) != nullptr; }, patience);
  return FromHwnd(found);
}

WindowHandle Win32Desktop::FindByClass(std::string_view className, std::string_view title) {
  std::wstring wideClass;
  std::wstring wideTitle;
  if (!win32::ToWide(className, wideClass) || !win32::ToWide(title, wideTitle)) return 0;
  return FromHwnd(FindWindowW(wideClass.c_str(), wideTitle.c_str()));
}

bool Win32Desktop::Exists(WindowHandle window) {
  return window != 0 && IsWindow(ToHwnd(window));
}

bool Win32Desktop::WaitUntilGone(WindowHandle window, std::chrono::milliseconds patience) {
  return PollUntil([&] { return !Exists(window); }, patience);
}

Status Win32Desktop::Show(WindowHandle window, ShowStyle style) {
  if (!Exists(window)) return kInvalidWindowHandle;
  ShowWindow(ToHwnd(window), static_cast<int>(style));
  return kSuccess;
}

Status Win32Desktop::Post(WindowHandle window, std::uint32_t message, std::uint64_t wParam,
                          std::int64_t lParam) {
  if (!Exists(window)) return kInvalidWindowHandle;
  return win32::StatusOf(PostMessageW(ToHwnd(window), message, static_cast<WPARAM>(wParam),
                                      static_cast<LPARAM>(lParam)));
}

Status Win32Desktop::PostKeys(WindowHandle window, std::string_view keys) {
  const auto strokes = ParseKeys(keys);
  if (!strokes) return kInvalidParameter;
  if (!Exists(window)) return kInvalidWindowHandle;
  const HWND hwnd = ToHwnd(window);
  for (const KeyStroke& stroke : *strokes) {
    if (const Status status = PostStroke(hwnd, stroke); status != kSuccess) return status;
  }
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kResponseMilliseconds,
                           &ignored)) {
    return Exists(window) ? kTimeout : kSuccess;
  }
  return kSuccess;
}

}  // namespace quellorn::platform
