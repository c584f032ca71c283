#include "ui/win32/new_custom_item_view.h"

#include "ui/program_documents.h"
#include "ui/win32/controls.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 300;
constexpr int kChoiceWidth = kWidth - 2 * kContentLeft;
constexpr int kChoiceHeight = 30;
constexpr int kFirstTop = kContentTop + 12;
constexpr int kHeight = kFirstTop + 2 * kChoiceHeight + kGap + 12 + kContentBottomMargin - 12;
constexpr int kFileChoice = 201;
constexpr int kRegistryChoice = 202;

}  // namespace

NewCustomItemView::NewCustomItemView(const SkinArt& art, MessageLoop& loop, Context& ctx)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight), loop_(loop), ctx_(ctx) {}

std::optional<CustomItemType> NewCustomItemView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.NewCustomItem", NewCustomItemChooser::kCaption, owner))
    return std::nullopt;
  SetTitle(NewCustomItemChooser::kCaption);
  const HFONT font = fonts().text.get();
  const HWND first = MakeButton(hwnd(), kFileChoice, NewCustomItemChooser::kFileButton,
                                {kContentLeft, kFirstTop, kChoiceWidth, kChoiceHeight}, font, true);
  MakeButton(hwnd(), kRegistryChoice, NewCustomItemChooser::kRegistryButton,
             {kContentLeft, kFirstTop + kChoiceHeight + kGap, kChoiceWidth, kChoiceHeight}, font);
  SetDefaultButton(kFileChoice);
  RunModal(loop_, owner, first, [&] { return closed_; });
  return choice_;
}

void NewCustomItemView::OnTitleHelp() {
  OpenHelp(ctx_, help_page::kCustomItems);
}

void NewCustomItemView::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == kFileChoice) choice_ = CustomItemType::kFile;
  if (id == kRegistryChoice) choice_ = CustomItemType::kRegistry;
  // Escape closes without a choice.
  closed_ = id == kFileChoice || id == kRegistryChoice || id == IDCANCEL;
}

}  // namespace quellorn::ui::win32
