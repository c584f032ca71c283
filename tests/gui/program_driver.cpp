#include "program_driver.h"

// Needs <windows.h> before it.
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "ui/win32/owners.h"

namespace quellorn::testing {

namespace {

// A caption matches with or without its access key's ampersand.
bool SameCaption(const std::wstring& text, std::wstring_view caption) {
  std::wstring plain;
  for (const wchar_t c : text)
    if (c != L'&') plain += c;
  return plain == caption || text == caption;
}

// The first child of the window (a top-level window when it is null; every control of the
// program's windows is a direct child) of the class, or of any class, that passes.
template <typename Passes>
HWND FindChild(HWND window, const wchar_t* className, Passes passes) {
  for (HWND child = nullptr; (child = FindWindowExW(window, child, className, nullptr));)
    if (passes(child)) return child;
  return nullptr;
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
  const std::wstring name(className);
  return FindChild(nullptr, name.c_str(), [&](HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == process && (title.empty() || TextOf(window) == title);
  });
}

HWND WaitForWindow(DWORD process, std::wstring_view className, std::wstring_view title) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindProgramWindow(process, className, title);
    return found != nullptr && IsWindowVisible(found);
  });
  return found;
}

// The one a user sees when several share the caption (the pages of a tabbed window).
HWND FindButton(HWND window, std::wstring_view caption) {
  const auto named = [&](HWND button) { return SameCaption(TextOf(button), caption); };
  const HWND shown = FindChild(
      window, WC_BUTTONW, [&](HWND button) { return named(button) && IsWindowVisible(button); });
  return shown != nullptr ? shown : FindChild(window, WC_BUTTONW, named);
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
  // Painting waits for an idle moment, and a new window reaches the X screen a moment after it
  // shows: the picture is taken once the program has painted and the screen has caught up.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  Sleep(200);
  RECT area{};
  if (!GetWindowRect(window, &area)) return false;
  BITMAPINFO info{};
  BITMAPINFOHEADER& header = info.bmiHeader;
  header = {
      sizeof header, area.right - area.left, area.bottom - area.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  header.biSizeImage = static_cast<DWORD>(((header.biWidth * 3 + 3) & ~3) * header.biHeight);
  const ui::win32::ScreenDc screen;
  const ui::win32::MemoryDc copy(screen.get());
  void* bits = nullptr;
  const ui::win32::UniqueBitmap image(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!image) return false;
  const ui::win32::Selection selected(copy.get(), image.get());
  BitBlt(copy.get(), 0, 0, header.biWidth, header.biHeight, screen.get(), area.left, area.top,
         SRCCOPY);
  GdiFlush();
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof header};
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), header.biSizeImage);
  return out.good();
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
  const auto status = [](HWND child) { return TextOf(child).starts_with(L"Last Erased at: "); };
  if (main_ != nullptr && !WaitUntil([&] { return FindChild(main_, nullptr, status) != nullptr; }))
    main_ = nullptr;
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
