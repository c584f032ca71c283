#include "ui/win32/picture.h"

// Needs <windows.h> before them.
#include <ole2.h>
#include <olectl.h>

#include "ui/win32/dpi.h"
#include "ui/win32/owners.h"

namespace quellorn::ui::win32 {

UniqueBitmap LoadPicture(std::string_view path) {
  std::wstring wide = Wide(path);
  if (wide.empty() || GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  UniqueCom<IPicture> picture;
  if (FAILED(OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture, picture.out()))) {
    return {};
  }
  OLE_HANDLE handle = 0;
  short type = PICTYPE_NONE;
  UniqueBitmap copy;
  if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
      SUCCEEDED(picture->get_Handle(&handle))) {
    // The picture owns its bitmap; the program keeps a copy of its own.
    copy.reset(
        static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  }
  return copy;
}

void DrawPicture(HDC dc, HBITMAP picture, int left, int top) {
  if (picture == nullptr) return;
  BITMAP info{};
  GetObjectW(picture, sizeof info, &info);
  const MemoryDc source(dc);
  const Selection selected(source.get(), picture);
  const int width = Px(info.bmWidth);
  const int height = Px(info.bmHeight);
  if (width == info.bmWidth && height == info.bmHeight) {
    BitBlt(dc, Px(left), Px(top), width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, Px(left), Px(top), width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight,
             SRCCOPY);
}

}  // namespace quellorn::ui::win32
