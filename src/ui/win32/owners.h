#pragma once

// Owners for what drawing borrows for a while: device contexts, the objects selected into them,
// and COM interfaces. Each gives back what it holds at the end of its scope.
#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// The screen's device context, to measure text and read the screen's resolution with.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

struct MemoryDcTraits {
  using Value = HDC;
  static HDC Invalid() { return nullptr; }
  static bool IsValid(HDC dc) { return dc != nullptr; }
  static void Close(HDC dc) { DeleteDC(dc); }
};

// A memory device context like another one, to draw bitmaps from.
class MemoryDc : public Unique<MemoryDcTraits> {
 public:
  explicit MemoryDc(HDC like) : Unique(CreateCompatibleDC(like)) {}
};

// The device context of one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(window_, &paint_); }

  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context; the one it replaced goes back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    if (old_ != nullptr && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// One reference to a COM interface.
template <typename Interface>
class UniqueCom {
 public:
  UniqueCom() = default;
  UniqueCom(const UniqueCom&) = delete;
  UniqueCom& operator=(const UniqueCom&) = delete;
  ~UniqueCom() {
    if (pointer_ != nullptr) pointer_->Release();
  }

  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // Where a function that hands out a new reference puts it; only while empty.
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace quellorn::ui::win32
