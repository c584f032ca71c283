#pragma once

#include <string>

#include "ui/erase_now_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The confirmation window on screen, modal to the main window.
class EraseNowView : public SkinnedWindow {
 public:
  EraseNowView(const SkinArt& art, MessageLoop& loop, Context& ctx);

  // Shows the window and waits for the answer (kNone also when the program ends meanwhile).
  EraseMode Ask(HWND owner);

 private:
  void Build();
  void OnCommand(int id, int code) override;
  void OnTitleClose() override;

  MessageLoop& loop_;
  EraseNowWindow model_;
};

}  // namespace quellorn::ui::win32
