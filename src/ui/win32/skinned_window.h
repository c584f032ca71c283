#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/skin_layout.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skin_art.h"
#include "ui/win32/window.h"

namespace quellorn::ui::win32 {

// A window in the program's own frame: no system caption or border, the frame's images along
// its edges, the title over the title bar, a rounded outline, and a title bar that moves the
// window when pressed with any mouse button. Subclasses add their controls and say what the
// title buttons do.
class SkinnedWindow : public Window {
 public:
  SkinnedWindow(const SkinArt& art, SkinStyle style, int width, int height);

 protected:
  // Creates the window (hidden) and cuts its outline.
  bool CreateSkinned(const wchar_t* className, std::string_view caption, HWND owner,
                     DWORD exStyle = 0);
  void SetTitle(std::string_view title);
  // Shows the created window modally over `owner`, the focus on `focus`, and serves events
  // until `done` or until the window is gone; then destroys it.
  void RunModal(MessageLoop& loop, HWND owner, HWND focus, const std::function<bool()>& done);
  void SetDefaultButton(int id) { defaultButton_ = id; }
  // Only the left two title images and the text move this window (not the right end).
  void DragByLeftTitleOnly() { wholeTitleBarDrags_ = false; }

  const SkinArt& art() const { return art_; }
  const UiFonts& fonts() const { return art_.fonts(); }
  // The outer size in logical units (see dpi.h).
  int width() const { return layout_.width(); }
  int height() const { return layout_.height(); }

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The messages the frame leaves alone.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnCommand(int id, int code) = 0;
  virtual void OnTitleClose() = 0;
  virtual void OnTitleHelp() {}
  virtual void OnTitleMinimize() {}
  // Painting inside the frame, after it (pictures, etched lines).
  virtual void PaintContent(HDC) {}
  // The colour of a label's text; links are blue.
  virtual COLORREF LabelColour(HWND) { return GetSysColor(COLOR_WINDOWTEXT); }

 private:
  void Paint();
  void PaintFrame(HDC dc);
  // Mouse points in the client area's pixels.
  void Press(UINT message, POINT at);
  void Release(POINT at);
  void DragTo(POINT at, WPARAM buttons);
  void EndDrag(UINT message);
  LRESULT ControlColour(HDC dc, HWND control);

  const SkinArt& art_;
  SkinLayout layout_;
  std::wstring title_;
  int defaultButton_ = 0;
  bool wholeTitleBarDrags_ = true;
  std::optional<SkinPart> pressed_;
  // A drag of the title bar with the right or middle button: the button-up message that ends it,
  // the button's flag in mouse messages, and where the pointer holds the window (in pixels).
  struct Drag {
    UINT endMessage;
    WPARAM button;
    POINT grip;
  };
  std::optional<Drag> drag_;
};

}  // namespace quellorn::ui::win32
