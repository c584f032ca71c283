#include <gtest/gtest.h>

#include <string>

#include "platform/win32/paths_win32.h"
#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {
namespace {

TEST(TextConversionTest, Utf8AndUtf16RoundTripAndLoneSurrogatesAreReplaced) {
  const std::pair<std::string, std::wstring> cases[] = {
      {"", L""},
      {"plain ascii", L"plain ascii"},
      {"gr\xC3\xBC\xC3\x9F", L"gr\u00FC\u00DF"},
      {"\xE6\x97\xA5\xE6\x9C\xAC", L"\u65E5\u672C"},
      {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"},  // outside the basic plane: a surrogate pair
  };
  for (const auto& [utf8, utf16] : cases) {
    std::wstring wide = L"stale";
    EXPECT_TRUE(ToWide(utf8, wide)) << utf8;
    EXPECT_EQ(wide, utf16) << utf8;
    EXPECT_EQ(ToUtf8(utf16), utf8);
  }
  // An unpaired surrogate becomes the replacement character.
  EXPECT_EQ(ToUtf8(std::wstring(L"a\xD800z")), "a\xEF\xBF\xBDz");
}

TEST(TextConversionTest, TextThatIsNotUtf8IsRefused) {
  const std::string cases[] = {
      "\x80",                      // continuation byte alone
      "\xC0\xAF",                  // overlong
      "\xE6\x97",                  // cut short
      "\xED\xA0\x80",              // an encoded surrogate
      "\xFF",                      // never part of UTF-8
      std::string("in\0side", 7),  // a NUL would cut the name short
  };
  for (const std::string& text : cases) {
    std::wstring wide;
    EXPECT_FALSE(ToWide(text, wide)) << testing::PrintToString(text);
  }
}

TEST(StatusTest, HresultsCarryTheirWin32Code) {
  EXPECT_EQ(FromHresult(S_OK), kSuccess);
  EXPECT_EQ(FromHresult(S_FALSE), kSuccess);
  EXPECT_EQ(FromHresult(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)), kAccessDenied);
  EXPECT_EQ(FromHresult(E_FAIL), static_cast<Status>(E_FAIL));
  EXPECT_LT(FromHresult(E_UNEXPECTED), 0);
}

TEST(UniqueTest, OwnersCloseTheirHandles) {
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &raw), ERROR_SUCCESS);
  const auto query = [raw] {
    return RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr);
  };
  {
    UniqueKey key(raw);
    EXPECT_EQ(query(), ERROR_SUCCESS);
  }
  EXPECT_EQ(query(), ERROR_INVALID_HANDLE);

  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(event, nullptr);
  UniqueHandle first(event);
  UniqueHandle second(std::move(first));
  EXPECT_FALSE(first);
  EXPECT_EQ(second.get(), event);
  second.reset();
  EXPECT_FALSE(SetEvent(event));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(L"C:\\*", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  UniqueFind(find).reset();
  EXPECT_FALSE(FindNextFileW(find, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(PathsTest, SplitLastFindsTheFolderAndTheName) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;  // nullptr: no split
    const wchar_t* name;
  };
  const Case cases[] = {
      {L"C:\\a", L"C:\\", L"a"},
      {L"C:\\a\\b.txt", L"C:\\a", L"b.txt"},
      {L"C:\\a\\dir\\\\", L"C:\\a", L"dir"},
      {L"c:/a/b", L"c:/a", L"b"},
      {L"\\\\server\\share\\x", L"\\\\server\\share\\", L"x"},
      {L"\\\\?\\C:\\x", L"\\\\?\\C:\\", L"x"},
      {L"C:\\", nullptr, nullptr},
      {L"C:", nullptr, nullptr},
      {L"C:x", nullptr, nullptr},
      {L"\\\\server\\share", nullptr, nullptr},
      {L"\\\\server\\share\\", nullptr, nullptr},
      {L"name", nullptr, nullptr},
      {L"", nullptr, nullptr},
  };
  for (const Case& test : cases) {
    std::wstring folder;
    std::wstring name;
    const bool split = SplitLast(test.path, folder, name);
    EXPECT_EQ(split, test.folder != nullptr) << ToUtf8(test.path);
    if (split && test.folder) {
      EXPECT_EQ(folder, test.folder) << ToUtf8(test.path);
      EXPECT_EQ(name, test.name) << ToUtf8(test.path);
    }
  }
}

TEST(PathsTest, JoinAndTrimKeepOneSeparator) {
  EXPECT_EQ(JoinPath(L"C:\\", L"a"), L"C:\\a");
  EXPECT_EQ(JoinPath(L"C:\\dir", L"a"), L"C:\\dir\\a");
  EXPECT_EQ(JoinPath(L"\\\\?\\C:\\dir\\", L"a"), L"\\\\?\\C:\\dir\\a");
  EXPECT_EQ(TrimTrailingSeparators(L"C:\\dir\\\\"), L"C:\\dir");
  EXPECT_EQ(TrimTrailingSeparators(L"C:\\"), L"C:\\");
  EXPECT_TRUE(SamePath(L"\\\\?\\C:\\Dir\\\u00C9t\u00E9", L"\\\\?\\c:\\dIR\\\u00E9T\u00C9"));
  EXPECT_FALSE(SamePath(L"C:\\a", L"C:\\a\\b"));
}

}  // namespace
}  // namespace quellorn::platform::win32
