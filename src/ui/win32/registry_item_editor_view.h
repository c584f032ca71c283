#pragma once

#include <string>

#include "ui/registry_item_editor.h"
#include "ui/win32/message_box_host.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The custom registry item editor on screen, modal.
class RegistryItemEditorView : public SkinnedWindow {
 public:
  // `fileName`: the item's file in the custom item folder, or kNewCustomItem.
  RegistryItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx, std::string fileName);

  // Shows the window and returns when it is closed (or the program ends): true when the item
  // was saved.
  bool Run(HWND owner);

 private:
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { model_.OnCancel(); }

  MessageLoop& loop_;
  MessageBoxHost host_;
  RegistryItemEditor model_;
};

}  // namespace quellorn::ui::win32
