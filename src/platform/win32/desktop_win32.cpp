#include "platform/win32/desktop_win32.h"

#include "platform/key_notation.h"
#include "platform/win32/windows_api.h"

namespace quellorn::platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kPollMilliseconds = 20;
// How long PostKeys waits for the window's program to take messages again.
constexpr UINT kResponseMilliseconds = 5000;

HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

WindowHandle FromHwnd(HWND window) {
  return reinterpret_cast<std::uintptr_t>(window);
}

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

// The messages a keyboard would queue for the stroke, before the receiving loop translates
// them: named keys go as key presses, which dialog boxes act on; characters go as characters,
// with Alt as the system character that dialog boxes take for a button's underlined letter.
BOOL PostStroke(HWND window, const KeyStroke& stroke) {
  constexpr LPARAM kAltDown = LPARAM{1} << 29;
  switch (stroke.kind) {
    case KeyStroke::Kind::kEnter:
    case KeyStroke::Kind::kTab: {
      const bool enter = stroke.kind == KeyStroke::Kind::kEnter;
      const WPARAM key = enter ? VK_RETURN : VK_TAB;
      const UINT scanCode = enter ? 0x1C : 0x0F;
      return PostMessageW(window, WM_KEYDOWN, key, KeyParam(scanCode, false)) &&
             PostMessageW(window, WM_KEYUP, key, KeyParam(scanCode, true));
    }
    case KeyStroke::Kind::kAltCharacter: {
      // Alt with a letter key gives the small letter: Shift is not down.
      const char16_t c = stroke.character >= u'A' && stroke.character <= u'Z'
                             ? stroke.character + (u'a' - u'A')
                             : stroke.character;
      return PostMessageW(window, WM_SYSCHAR, c, 1 | kAltDown);
    }
    case KeyStroke::Kind::kCharacter:
      return PostMessageW(window, WM_CHAR, stroke.character, 1);
  }
  return FALSE;
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
    if (!PostStroke(hwnd, stroke)) return win32::LastStatus();
  }
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kResponseMilliseconds,
                           &ignored)) {
    return Exists(window) ? kTimeout : kSuccess;
  }
  return kSuccess;
}

}  // namespace quellorn::platform
