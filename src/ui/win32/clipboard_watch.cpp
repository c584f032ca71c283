#include "ui/win32/clipboard_watch.h"

#include <cwchar>
#include <optional>

namespace quellorn::ui::win32 {

namespace {

template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through void*: the entry point's real type is not FARPROC's.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

// The clipboard held open by `window` for as long as the object lives.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND window) : open_(OpenClipboard(window) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

class GlobalLockScope {
 public:
  explicit GlobalLockScope(HANDLE memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  const void* data() const { return data_; }

 private:
  HANDLE memory_;
  void* data_;
};

// The clipboard's text; nothing when it holds no text or cannot be opened.
std::optional<std::string> ClipboardText(HWND window) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
  const OpenClipboardScope clipboard(window);
  if (!clipboard.open()) return std::nullopt;
  const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
  if (memory == nullptr) return std::nullopt;
  const GlobalLockScope lock(memory);
  if (lock.data() == nullptr) return std::nullopt;
  // The memory need not hold a terminator within its size.
  const auto* chars = static_cast<const wchar_t*>(lock.data());
  return platform::win32::ToUtf8({chars, wcsnlen(chars, GlobalSize(memory) / sizeof(wchar_t))});
}

}  // namespace

ClipboardWatch::ClipboardWatch(HWND window, std::function<void(const std::string&)> onText)
    : window_(window), onText_(std::move(onText)), seen_(GetClipboardSequenceNumber()) {
  const auto add = User32Function<ListenerFunction>("AddClipboardFormatListener");
  const auto remove = User32Function<ListenerFunction>("RemoveClipboardFormatListener");
  if (add != nullptr && remove != nullptr && add(window_)) {
    removeListener_ = remove;
    return;
  }
  viewer_ = true;
  nextViewer_ = SetClipboardViewer(window_);
}

ClipboardWatch::~ClipboardWatch() {
  if (removeListener_ != nullptr) removeListener_(window_);
  if (viewer_) ChangeClipboardChain(window_, nextViewer_);
}

bool ClipboardWatch::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLIPBOARDUPDATE:
      OnChange();
      return true;
    case WM_DRAWCLIPBOARD:
      if (nextViewer_ != nullptr) SendMessageW(nextViewer_, message, wParam, lParam);
      OnChange();
      return true;
    case WM_CHANGECBCHAIN: {
      // The window's own leaving comes back to it while it heads the chain: nothing to pass on.
      const auto leaving = reinterpret_cast<HWND>(wParam);
      if (leaving == nextViewer_) {
        nextViewer_ = reinterpret_cast<HWND>(lParam);
      } else if (leaving != window_ && nextViewer_ != nullptr) {
        SendMessageW(nextViewer_, message, wParam, lParam);
      }
      return true;
    }
    default:
      return false;
  }
}

void ClipboardWatch::OnChange() {
  const DWORD sequence = GetClipboardSequenceNumber();
  if (sequence != 0 && sequence == seen_) return;
  seen_ = sequence;
  if (const auto text = ClipboardText(window_)) onText_(*text);
}

}  // namespace quellorn::ui::win32
