#include "ui/win32/registry_item_editor_view.h"

namespace quellorn::ui::win32 {

RegistryItemEditorView::RegistryItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx,
                                               std::string fileName)
    : SkinnedWindow(art, SkinStyle::kDialog, 600, 500),
      loop_(loop),
      model_(ctx, host_, std::move(fileName)) {}

bool RegistryItemEditorView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.RegistryItemEditor", RegistryItemEditor::kCaption, owner))
    return false;
  host_.SetOwner(hwnd());
  model_.Load();
  SetTitle(RegistryItemEditor::kCaption);
  RunModal(loop_, owner, hwnd(), [&] { return model_.closed(); });
  return model_.saved();
}

void RegistryItemEditorView::OnCommand(int, int) {}

}  // namespace quellorn::ui::win32
