#pragma once

#include "ui/about_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The About window on screen, modeless.
class AboutView : public SkinnedWindow {
 public:
  AboutView(const SkinArt& art, MessageLoop& loop, Context& ctx);

  bool Show(HWND owner);
  void Close();

 private:
  void Build();
  void MakeLink(AboutLink link, POINT at);
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { Close(); }
  void OnTitleHelp() override { model_.OnHelp(); }
  void PaintContent(HDC dc) override;
  COLORREF LabelColour(HWND label) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool IsLink(HWND control) const;

  MessageLoop& loop_;
  AboutWindow model_;
  UniqueBitmap logo_;
  RECT supportFrame_{};
};

}  // namespace quellorn::ui::win32
