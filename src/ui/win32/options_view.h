#pragma once

#include <array>

#include "ui/options_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/options_pages.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The options window on screen, modal to the main window. Its four tabs are push buttons in a
// row above an etched frame; each shows its own page of controls.
class OptionsView : public SkinnedWindow {
 public:
  OptionsView(const SkinArt& art, MessageLoop& loop, Context& ctx);

  // Shows the window and returns when it is closed (or the program ends).
  void Run(HWND owner);

 private:
  void Build();
  void ShowTab();
  // Shows the model's boxes, lists and text boxes.
  void ShowState();
  void ShowTexts();
  void OnCommand(int id, int code) override;
  void OnListCommand(int id, int code);
  void OnTitleClose() override { model_.OnCancel(); }
  void OnTitleHelp() override { model_.OnHelp(); }
  void PaintContent(HDC dc) override;
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  MessageLoop& loop_;
  OptionsWindow model_;
  std::array<OptionsPage, kOptionsTabCount> pages_;
  bool showing_ = false;  // while the view sets controls, their notices are not the user's
};

}  // namespace quellorn::ui::win32
