#pragma once

#include <string>
#include <string_view>

#include "ui/file_item_editor.h"
#include "ui/win32/message_box_host.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The custom file and folder item editor on screen, modal.
class FileItemEditorView : public SkinnedWindow {
 public:
  // `fileName`: the item's file in the custom item folder, or kNewCustomItem; `caption`: the
  // window's caption (the skinned title bar always reads FileItemEditor::kTitle).
  FileItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx, std::string fileName,
                     std::string_view caption);

  // Shows the window and returns when it is closed (or the program ends): true when the item
  // was saved.
  bool Run(HWND owner);

 private:
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { model_.OnCancel(); }

  MessageLoop& loop_;
  std::string caption_;
  MessageBoxHost host_;
  FileItemEditor model_;
};

}  // namespace quellorn::ui::win32
