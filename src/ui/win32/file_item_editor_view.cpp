#include "ui/win32/file_item_editor_view.h"

namespace quellorn::ui::win32 {

FileItemEditorView::FileItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx,
                                       std::string fileName, std::string_view caption)
    : SkinnedWindow(art, SkinStyle::kDialog, 600, 500),
      loop_(loop),
      caption_(caption),
      model_(ctx, host_, std::move(fileName)) {}

bool FileItemEditorView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.FileItemEditor", caption_, owner)) return false;
  host_.SetOwner(hwnd());
  model_.Load();
  SetTitle(FileItemEditor::kTitle);
  RunModal(loop_, owner, hwnd(), [&] { return model_.closed(); });
  return model_.saved();
}

void FileItemEditorView::OnCommand(int, int) {}

}  // namespace quellorn::ui::win32
