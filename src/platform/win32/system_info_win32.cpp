#include "platform/win32/system_info_win32.h"

#include "platform/win32/win32_base.h"

namespace quellorn::platform {

namespace {

// Longest path GetModuleFileName can answer with.
constexpr DWORD kLongestPath = 32768;

// One locale text of the user; `fallback` when Windows has none.
std::string LocaleText(LCTYPE type, const std::string& fallback) {
  const int needed = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, nullptr, 0);
  if (needed <= 1) return fallback;
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  const int got = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text.data(), needed);
  if (got <= 1) return fallback;
  text.resize(static_cast<std::size_t>(got - 1));
  return win32::ToUtf8(text);
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A path that fills the buffer completely was cut off.
    if (length < path.size() || path.size() >= kLongestPath) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::string Win32SystemInfo::WindowsFolder() {
  const UINT needed = GetWindowsDirectoryW(nullptr, 0);
  if (needed == 0) return {};
  std::wstring folder(needed, L'\0');
  const UINT length = GetWindowsDirectoryW(folder.data(), needed);
  folder.resize(length < needed ? length : 0);
  return win32::ToUtf8(folder);
}

std::string Win32SystemInfo::UserName() {
  std::wstring name(257, L'\0');  // UNLEN + 1
  DWORD size = static_cast<DWORD>(name.size());
  if (!GetUserNameW(name.data(), &size)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    name.resize(size);
    if (!GetUserNameW(name.data(), &size)) return {};
  }
  name.resize(size > 0 ? size - 1 : 0);  // the count includes the terminating NUL
  return win32::ToUtf8(name);
}

WindowsVersion Win32SystemInfo::Version() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExW(&info)) return {};
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

LocaleFormats Win32SystemInfo::Locale() {
  const LocaleFormats defaults;
  LocaleFormats formats;
  formats.shortDate = LocaleText(LOCALE_SSHORTDATE, defaults.shortDate);
  formats.longTime = LocaleText(LOCALE_STIMEFORMAT, defaults.longTime);
  formats.decimal = LocaleText(LOCALE_SDECIMAL, defaults.decimal);
  return formats;
}

LocalTime Win32SystemInfo::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32SystemInfo::Environment(std::string_view name) {
  std::wstring wideName;
  if (!win32::ToWide(name, wideName)) return {};
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
  return win32::ToUtf8(value);
}

std::string Win32SystemInfo::ProgramFolder() {
  const std::wstring path = ModulePath();
  const std::size_t last = path.find_last_of(L"\\/");
  return win32::ToUtf8(last == std::wstring::npos ? std::wstring() : path.substr(0, last));
}

}  // namespace quellorn::platform
