#pragma once

// The Windows user interface's view of the API: <windows.h> through the platform's one header,
// the common controls, and owners for the handles windows use.
#include "platform/win32/win32_base.h"
#include "platform/win32/window_handle.h"
// Needs <windows.h> before it.
#include <commctrl.h>

#include <string>
#include <string_view>

namespace quellorn::ui::win32 {

using platform::win32::FromHwnd;
using platform::win32::ToHwnd;
using platform::win32::Unique;

template <typename Handle>
struct GdiTraits {
  using Value = Handle;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle handle) { return handle != nullptr; }
  static void Close(Handle handle) { DeleteObject(handle); }
};

struct IconTraits {
  using Value = HICON;
  static HICON Invalid() { return nullptr; }
  static bool IsValid(HICON icon) { return icon != nullptr; }
  static void Close(HICON icon) { DestroyIcon(icon); }
};

struct ImageListTraits {
  using Value = HIMAGELIST;
  static HIMAGELIST Invalid() { return nullptr; }
  static bool IsValid(HIMAGELIST list) { return list != nullptr; }
  static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};

struct MenuTraits {
  using Value = HMENU;
  static HMENU Invalid() { return nullptr; }
  static bool IsValid(HMENU menu) { return menu != nullptr; }
  static void Close(HMENU menu) { DestroyMenu(menu); }
};

struct WindowTraits {
  using Value = HWND;
  static HWND Invalid() { return nullptr; }
  static bool IsValid(HWND window) { return window != nullptr; }
  static void Close(HWND window) { DestroyWindow(window); }
};

using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniqueRegion = Unique<GdiTraits<HRGN>>;
using UniqueIcon = Unique<IconTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueWindow = Unique<WindowTraits>;

// UTF-8 text for the wide API; text that cannot be converted shows as nothing.
std::wstring Wide(std::string_view utf8);
void SetText(HWND window, std::string_view utf8);

// A colour as the program writes it, 0xRRGGBB.
inline COLORREF Colour(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace quellorn::ui::win32
