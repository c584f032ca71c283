#pragma once

// The one header of the program that includes <windows.h>. It fixes the Windows version the
// code is written against (Windows 7), keeps the min/max macros and the rarely used parts of
// the API out, and selects the wide-character API. The C++ library headers of mingw-w64 define
// a newer _WIN32_WINNT on their own, so ours replaces theirs rather than deferring to it.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>
// Needs <windows.h> before it.
#include <shellapi.h>

// An obsolete 16-bit call kept as a macro; it would rewrite RunView::Yield.
#undef Yield

#include <string>
#include <string_view>
#include <utility>

#include "platform/status.h"

namespace quellorn::platform::win32 {

// Owns one Windows handle and closes it with the function its Traits name.
template <typename Traits>
class Unique {
 public:
  using Value = typename Traits::Value;

  Unique() = default;
  explicit Unique(Value value) : value_(value) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~Unique() { reset(); }

  Value get() const { return value_; }
  explicit operator bool() const { return Traits::IsValid(value_); }
  Value release() { return std::exchange(value_, Traits::Invalid()); }
  void reset(Value value = Traits::Invalid()) {
    if (Traits::IsValid(value_)) Traits::Close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::Invalid();
};

struct KeyTraits {
  using Value = HKEY;
  static HKEY Invalid() { return nullptr; }
  static bool IsValid(HKEY key) { return key != nullptr; }
  static void Close(HKEY key) { RegCloseKey(key); }
};

struct FindTraits {
  using Value = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE find) { return find != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE find) { FindClose(find); }
};

// Kernel objects: files, processes, threads. Their failure value is either of the two.
struct HandleTraits {
  using Value = HANDLE;
  static HANDLE Invalid() { return nullptr; }
  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

using UniqueKey = Unique<KeyTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueHandle = Unique<HandleTraits>;

// UTF-8 to UTF-16 for the wide API. Fails (false) on text that is not valid UTF-8 and on text
// holding a NUL character, which the API would silently cut at: such a name would address a
// different file or value than the caller meant.
bool ToWide(std::string_view utf8, std::wstring& wide);
// UTF-16 from the API to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view wide);

// Statuses are Win32 error codes, so the translation at the edge is mostly a cast.
inline Status FromWin32(DWORD error) {
  return static_cast<Status>(error);
}
inline Status LastStatus() {
  return FromWin32(GetLastError());
}
inline Status StatusOf(BOOL succeeded) {
  return succeeded ? kSuccess : LastStatus();
}
// An HRESULT carrying a Win32 code gives that code; any other failure keeps its (negative)
// value, which no Win32 code shares.
Status FromHresult(HRESULT result);

}  // namespace quellorn::platform::win32
