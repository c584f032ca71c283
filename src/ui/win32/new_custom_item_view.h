#pragma once

#include <optional>

#include "ui/custom_item_editor.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The "Add New Custom Item" chooser on screen, modal: one button per kind of custom item.
class NewCustomItemView : public SkinnedWindow {
 public:
  NewCustomItemView(const SkinArt& art, MessageLoop& loop, Context& ctx);

  // Shows the window; the kind of item chosen, nothing when it was closed without a choice.
  std::optional<CustomItemType> Run(HWND owner);

 private:
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { closed_ = true; }
  void OnTitleHelp() override;

  MessageLoop& loop_;
  Context& ctx_;
  std::optional<CustomItemType> choice_;
  bool closed_ = false;
};

}  // namespace quellorn::ui::win32
