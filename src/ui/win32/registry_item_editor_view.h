#pragma once

#include <optional>
#include <string>

#include "ui/registry_item_editor.h"
#include "ui/win32/clipboard_watch.h"
#include "ui/win32/message_box_host.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The custom registry item editor on screen, modal: the item's boxes and options above, the
// rows it erases and the test's lines below, each list with its buttons on the right.
class RegistryItemEditorView : public SkinnedWindow {
 public:
  // `fileName`: the item's file in the custom item folder, or kNewCustomItem.
  RegistryItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx, std::string fileName);

  // Shows the window and returns when it is closed (or the program ends): true when the item
  // was saved.
  bool Run(HWND owner);

 private:
  void Build();
  // The boxes' text, after the item is loaded or text is copied.
  void ShowBoxes();
  void ShowLists();
  void OnEdit(int id, std::string& field);
  void OnCommand(int id, int code) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnTitleClose() override { model_.OnCancel(); }
  void OnTitleHelp() override;
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  MessageLoop& loop_;
  Context& ctx_;
  MessageBoxHost host_;
  RegistryItemEditor model_;
  std::optional<ClipboardWatch> clipboard_;
};

}  // namespace quellorn::ui::win32
