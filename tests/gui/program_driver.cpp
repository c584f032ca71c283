#include "program_driver.h"

// Needs <windows.h> before it.
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace quellorn::testing {

namespace {

struct Search {
  DWORD process;
  std::wstring_view className;
  std::wstring_view title;
  HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  if (process != search.process || search.className != name) return TRUE;
  if (!search.title.empty() && TextOf(window) != search.title) return TRUE;
  search.found = window;
  return FALSE;
}

struct ButtonSearch {
  std::wstring_view caption;
  HWND found = nullptr;
};

// A caption matches with or without its access key's ampersand.
bool SameCaption(const std::wstring& text, std::wstring_view caption) {
  std::wstring plain;
  for (const wchar_t c : text) {
    if (c != L'&') plain += c;
  }
  return plain == caption || text == caption;
}

BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
  auto& search = *reinterpret_cast<ButtonSearch*>(param);
  wchar_t kind[32] = {};
  GetClassNameW(child, kind, 32);
  if (lstrcmpiW(kind, L"Button") == 0 && SameCaption(TextOf(child), search.caption)) {
    search.found = child;
    return FALSE;
  }
  return TRUE;
}

void WriteBitmap(const std::wstring& path, int width, int height, const std::vector<BYTE>& rows) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(rows.size());
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
}

BOOL CALLBACK FindStatusLine(HWND child, LPARAM param) {
  if (TextOf(child).starts_with(L"Last Erased at: ")) {
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
  }
  return TRUE;
}

bool HasStatusLine(HWND window) {
  bool found = false;
  EnumChildWindows(window, FindStatusLine, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& holds, std::chrono::milliseconds patience) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(patience.count());
  while (!holds()) {
    if (GetTickCount64() >= end) return false;
    Sleep(50);
  }
  return true;
}

HWND FindProgramWindow(DWORD process, std::wstring_view className, std::wstring_view title) {
  Search search{process, className, title};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD process, std::wstring_view className, std::wstring_view title) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindProgramWindow(process, className, title);
    return found != nullptr && IsWindowVisible(found);
  });
  return found;
}

HWND FindButton(HWND window, std::wstring_view caption) {
  ButtonSearch search{caption};
  EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Click(HWND window, std::wstring_view caption) {
  const HWND button = FindButton(window, caption);
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  return PostMessageW(window, WM_COMMAND, command, reinterpret_cast<LPARAM>(button)) != 0;
}

bool Responds(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kPatience.count()), &ignored) != 0;
}

int RowCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

bool Screenshot(HWND window, const std::wstring& path) {
  // Painting waits for an idle moment; the picture is taken once the window has painted.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT area{};
  if (!GetWindowRect(window, &area)) return false;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const HDC screen = GetDC(nullptr);
  const HDC copy = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  const HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(copy, image);
  BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const std::size_t size = static_cast<std::size_t>(((width * 3 + 3) & ~3) * height);
  std::vector<BYTE> rows(static_cast<const BYTE*>(bits), static_cast<const BYTE*>(bits) + size);
  SelectObject(copy, old);
  DeleteObject(image);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  WriteBitmap(path, width, height, rows);
  return true;
}

RunningProgram::RunningProgram(const std::wstring& folder, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + folder + L"\\quellorn.exe\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info_)) {
    return;
  }
  WaitUntil([&] {
    main_ = FindProgramWindow(info_.dwProcessId, L"Quellorn.MainWindow", L"Quellorn");
    return main_ != nullptr;
  });
  // The load step ends with the status line: then the window is complete. (A window that
  // answers a message need not be: the program serves sent messages while it waits for the
  // notification area, in the middle of loading.)
  if (main_ != nullptr && !WaitUntil([&] { return HasStatusLine(main_); })) main_ = nullptr;
}

RunningProgram::~RunningProgram() {
  if (info_.hProcess == nullptr) return;
  if (main_ != nullptr && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
  if (!WaitForExit()) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool RunningProgram::WaitForExit(std::chrono::milliseconds patience) {
  return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(patience.count())) == WAIT_OBJECT_0;
}

}  // namespace quellorn::testing
