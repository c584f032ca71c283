#include "platform/win32/registry_win32.h"

#include <algorithm>

#include "platform/win32/win32_base.h"

namespace quellorn::platform {

namespace {

using win32::ToWide;

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY |
// KEY_CREATE_LINK: every key is opened for all the program may do with it.
constexpr REGSAM kAccess = 0x3F;

// Values are read into a buffer that grows until the value fits; the performance data reports
// no size in advance, so growth stops at this bound.
constexpr std::size_t kFirstGuess = 4096;
constexpr std::size_t kLargestValue = std::size_t{64} << 20;
// Value names have at most 16383 characters, key names 255.
constexpr DWORD kLongestName = 32768;

bool IsRoot(RegHandle handle) {
  return handle >= kClassesRoot && handle <= kDynData;
}

// The predefined keys are 32-bit numbers that the 64-bit API sign-extends.
HKEY ToHkey(RegHandle handle) {
  if (IsRoot(handle))
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(handle));
}

// Opening an empty subkey of a root key answers with the root key itself.
RegHandle FromHkey(HKEY key) {
  const auto value = static_cast<RegHandle>(reinterpret_cast<ULONG_PTR>(key));
  const RegHandle low = value & 0xFFFFFFFFu;
  return IsRoot(low) && ToHkey(low) == key ? low : value;
}

Status FromLong(LONG status) {
  return static_cast<Status>(status);
}

LONG ReadValue(HKEY key, const wchar_t* name, DWORD& type, std::vector<std::uint8_t>& data) {
  DWORD size = 0;
  LONG status = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
  data.clear();
  if (status == ERROR_SUCCESS && size == 0) return status;
  std::size_t capacity = size != 0 ? size : kFirstGuess;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.resize(capacity);
    size = static_cast<DWORD>(capacity);
    status = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      break;
    }
    if (status != ERROR_MORE_DATA || capacity >= kLargestValue) break;
    capacity = std::max({static_cast<std::size_t>(size), capacity * 2, kFirstGuess});
  }
  return status;
}

// Calls an enumeration function with a name buffer that grows until the name fits. Wine answers
// ERROR_MORE_DATA without telling the length it needs, so the buffer doubles.
template <typename Enumerate>
LONG ReadName(DWORD longest, Enumerate enumerate, std::string& name) {
  DWORD capacity = std::max<DWORD>(longest + 1, 256);
  std::wstring buffer;
  for (;;) {
    buffer.resize(capacity);
    DWORD length = capacity;
    const LONG status = enumerate(buffer.data(), &length);
    if (status == ERROR_SUCCESS) {
      name = win32::ToUtf8(std::wstring_view(buffer.data(), length));
      return status;
    }
    if (status != ERROR_MORE_DATA || capacity >= kLongestName) return status;
    capacity *= 2;
  }
}

struct LongestNames {
  DWORD subKey = 0;
  DWORD value = 0;
};

LongestNames QueryLongestNames(HKEY key) {
  LongestNames longest;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, &longest.subKey, nullptr, nullptr,
                   &longest.value, nullptr, nullptr, nullptr);
  return longest;
}

}  // namespace

Status Win32Registry::OpenKey(RegHandle parent, std::string_view subKey, RegHandle& key) {
  std::wstring wide;
  if (!ToWide(subKey, wide)) return kInvalidParameter;
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExW(ToHkey(parent), wide.c_str(), 0, kAccess, &opened);
  if (status == ERROR_SUCCESS) key = FromHkey(opened);
  return FromLong(status);
}

Status Win32Registry::CreateKey(RegHandle parent, std::string_view subKey, RegHandle& key) {
  std::wstring wide;
  if (!ToWide(subKey, wide)) return kInvalidParameter;
  HKEY created = nullptr;
  const LONG status = RegCreateKeyExW(ToHkey(parent), wide.c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, kAccess, nullptr, &created, nullptr);
  if (status == ERROR_SUCCESS) key = FromHkey(created);
  return FromLong(status);
}

Status Win32Registry::CloseKey(RegHandle key) {
  return FromLong(RegCloseKey(ToHkey(key)));
}

Status Win32Registry::QueryValue(RegHandle key, std::string_view name, RegValue& value) {
  std::wstring wide;
  if (!ToWide(name, wide)) return kInvalidParameter;
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> data;
  const LONG status = ReadValue(ToHkey(key), wide.c_str(), type, data);
  if (status == ERROR_SUCCESS) {
    value.type = type;
    value.data = std::move(data);
  }
  return FromLong(status);
}

Status Win32Registry::SetValue(RegHandle key, std::string_view name, const RegValue& value) {
  std::wstring wide;
  if (!ToWide(name, wide) || value.data.size() > MAXDWORD) return kInvalidParameter;
  // RegSetValueEx adds a string's terminating NUL to the length when the caller left it out and
  // a NUL follows the data in memory. A guard that is no NUL keeps the bytes exactly as given.
  std::vector<std::uint8_t> guarded(value.data);
  guarded.insert(guarded.end(), {0xFF, 0xFF});
  return FromLong(RegSetValueExW(ToHkey(key), wide.c_str(), 0, value.type, guarded.data(),
                                 static_cast<DWORD>(value.data.size())));
}

Status Win32Registry::DeleteValue(RegHandle key, std::string_view name) {
  std::wstring wide;
  if (!ToWide(name, wide)) return kInvalidParameter;
  return FromLong(RegDeleteValueW(ToHkey(key), wide.c_str()));
}

Status Win32Registry::DeleteKey(RegHandle parent, std::string_view subKey) {
  std::wstring wide;
  if (!ToWide(subKey, wide)) return kInvalidParameter;
  return FromLong(RegDeleteKeyW(ToHkey(parent), wide.c_str()));
}

Status Win32Registry::EnumValue(RegHandle key, std::uint32_t index, std::string& name) {
  const HKEY hkey = ToHkey(key);
  return FromLong(ReadName(
      QueryLongestNames(hkey).value,
      [&](wchar_t* buffer, DWORD* length) {
        return RegEnumValueW(hkey, index, buffer, length, nullptr, nullptr, nullptr, nullptr);
      },
      name));
}

Status Win32Registry::EnumKey(RegHandle key, std::uint32_t index, std::string& name) {
  const HKEY hkey = ToHkey(key);
  return FromLong(ReadName(
      QueryLongestNames(hkey).subKey,
      [&](wchar_t* buffer, DWORD* length) {
        return RegEnumKeyExW(hkey, index, buffer, length, nullptr, nullptr, nullptr, nullptr);
      },
      name));
}

}  // namespace quellorn::platform
