#pragma once

#include <string_view>

#include "ui/keep_list_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The keep-list window on screen, modal: the items found on the system on the left, the keep
// list on the right, and the buttons between and below them.
class KeepListView : public SkinnedWindow {
 public:
  KeepListView(const SkinArt& art, MessageLoop& loop, Context& ctx, std::string_view mode);

  // Shows the window and returns when it is closed (or the program ends).
  void Run(HWND owner);

 private:
  void Build();
  void ShowLists();
  void ShowButtons();
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { model_.OnCancel(); }
  void PaintContent(HDC dc) override;
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  MessageLoop& loop_;
  KeepListWindow model_;
  RECT frame_{};
};

}  // namespace quellorn::ui::win32
