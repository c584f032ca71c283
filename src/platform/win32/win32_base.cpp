#include "platform/win32/win32_base.h"

#include <climits>

namespace quellorn::platform::win32 {

bool ToWide(std::string_view utf8, std::wstring& wide) {
  wide.clear();
  if (utf8.empty()) return true;
  if (utf8.find('\0') != std::string_view::npos || utf8.size() > INT_MAX) return false;
  const int length = static_cast<int>(utf8.size());
  const int needed =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
  if (needed <= 0) return false;
  wide.resize(static_cast<std::size_t>(needed));
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(),
                             needed) == needed;
}

std::string ToUtf8(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int length = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string utf8(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
  return utf8;
}

Status FromHresult(HRESULT result) {
  if (SUCCEEDED(result)) return kSuccess;
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return FromWin32(HRESULT_CODE(result));
  return static_cast<Status>(result);
}

}  // namespace quellorn::platform::win32
