#include "ui/win32/registry_item_editor_view.h"

#include <algorithm>
#include <array>

#include "ui/program_documents.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kWidth = 600;
constexpr int kTitle = 201;
constexpr int kDescription = 202;
constexpr int kKey = 203;
constexpr int kValueName = 204;
constexpr int kRows = 205;
constexpr int kTestLines = 206;
constexpr int kResult = 207;
constexpr int kEraseKey = 301;
constexpr int kEraseValues = 302;
constexpr int kEraseValue = 303;
constexpr int kAdd = 401;
constexpr int kRemove = 402;
constexpr int kLaunch = 403;
constexpr int kTest = 404;
constexpr int kHelp = 405;

constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kRowStep = kEditHeight + kGap;
constexpr int kOptionHeight = 20;
constexpr int kRowsHeight = 112;
constexpr int kTestLinesHeight = 112;
constexpr int kButtonTextPad = 24;
constexpr int kOptionTextPad = 22;  // the round mark and its gap

struct Option {
  int id;
  const char* caption;
  RegistryErase erase;
};
constexpr std::array kOptions{
    Option{kEraseKey, "Erase Key", RegistryErase::kKey},
    Option{kEraseValues, "Erase Values Under the key", RegistryErase::kValues},
    Option{kEraseValue, "Erase Value", RegistryErase::kValue},
};

struct Field {
  int id;
  const char* label;
};
constexpr std::array kFields{
    Field{kTitle, "Title"},
    Field{kDescription, "Description"},
    Field{kKey, "Registry Key"},
    Field{kValueName, "Value Name"},
};
constexpr std::string_view kKeyHint =
    "Enter the Registry Key Like:  HKEY_LOCAL_MACHINE\\SOFTWARE\\Quellorn";

// Where the lists end and the bottom buttons begin: the window's height follows from it.
constexpr int kContentHeight = 4 * kRowStep + kLabelHeight + kGap + kOptionHeight + 2 * kGap +
                               2 * (kLabelHeight + 2 + kGap) + kRowsHeight + kTestLinesHeight +
                               kGap + kLabelHeight + kGap;
constexpr int kHeight = kContentTop + kGap + kContentHeight + kButtonHeight + kContentBottomMargin;

// The rows, scrolling sideways as far as the widest one reaches.
void FillWideListBox(HWND list, const std::vector<std::string>& rows, HFONT font) {
  FillListBox(list, rows);
  int widest = 0;
  for (const std::string& row : rows)
    widest = std::max(widest, TextWidth(font, row));
  SendMessageW(list, LB_SETHORIZONTALEXTENT, Px(widest + kGap), 0);
}

}  // namespace

RegistryItemEditorView::RegistryItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx,
                                               std::string fileName)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight),
      loop_(loop),
      ctx_(ctx),
      model_(ctx, host_, std::move(fileName)) {}

bool RegistryItemEditorView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.RegistryItemEditor", RegistryItemEditor::kCaption, owner))
    return false;
  host_.SetOwner(hwnd());
  Build();
  model_.Load();
  ShowBoxes();
  ShowLists();
  clipboard_.emplace(hwnd(), [this](const std::string& text) {
    model_.OnClipboardText(text);
    SetText(Control(kKey), model_.key);
  });
  RunModal(loop_, owner, Control(kTitle), [&] { return model_.closed(); });
  return model_.saved();
}

void RegistryItemEditorView::Build() {
  SetTitle(RegistryItemEditor::kCaption);
  const HFONT font = fonts().text.get();
  const int right = kWidth - kContentLeft;
  int labelWidth = 0;
  for (const Field& field : kFields)
    labelWidth = std::max(labelWidth, TextWidth(font, field.label));
  const int editLeft = kContentLeft + labelWidth + kGap;
  int top = kContentTop + kGap;
  for (const Field& field : kFields) {
    MakeLabel(hwnd(), 0, field.label, {kContentLeft, top + 3, labelWidth, kLabelHeight}, font);
    MakeEdit(hwnd(), field.id, {editLeft, top, right - editLeft, kEditHeight}, font);
    top += kRowStep;
    if (field.id == kKey) {
      MakeLabel(hwnd(), 0, kKeyHint, {editLeft, top - kGap + 2, right - editLeft, kLabelHeight},
                font);
      top += kLabelHeight;
    }
  }
  int optionLeft = editLeft;
  for (const Option& option : kOptions) {
    const int width = TextWidth(font, option.caption) + kOptionTextPad;
    MakeRadioButton(hwnd(), option.id, option.caption, {optionLeft, top, width, kOptionHeight},
                    font, option.id == kEraseKey);
    optionLeft += width + 2 * kGap;
  }
  top += kOptionHeight + 2 * kGap;

  // The buttons beside the lists share one column, as wide as its widest caption needs.
  const int columnWidth =
      std::max(kButtonWidth, TextWidth(font, "Launch Registry Editor") + kButtonTextPad);
  const int columnLeft = right - columnWidth;
  const int listWidth = columnLeft - kGap - kContentLeft;
  const auto button = [&](int id, std::string_view caption, int at) {
    MakeButton(hwnd(), id, caption, {columnLeft, at, columnWidth, kButtonHeight}, font);
  };
  MakeLabel(hwnd(), 0, "The Registry Key(s) and  Value(s) That Will Be Erased",
            {kContentLeft, top, listWidth, kLabelHeight}, font);
  top += kLabelHeight + 2;
  MakeListBox(hwnd(), kRows, {kContentLeft, top, listWidth, kRowsHeight}, font, WS_HSCROLL);
  button(kAdd, "Add", top);
  button(kRemove, "Remove", top + kButtonHeight + kGap);
  button(kLaunch, "Launch Registry Editor", top + kRowsHeight - kButtonHeight);
  top += kRowsHeight + kGap;

  MakeLabel(hwnd(), 0, "Test Results", {kContentLeft, top, listWidth, kLabelHeight}, font);
  top += kLabelHeight + 2;
  MakeListBox(hwnd(), kTestLines, {kContentLeft, top, listWidth, kTestLinesHeight}, font,
              WS_HSCROLL);
  button(kTest, "Test", top);
  top += kTestLinesHeight + kGap;
  MakeLabel(hwnd(), kResult, "", {kContentLeft, top, listWidth, kLabelHeight}, font);

  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  int buttonLeft = right - 3 * kButtonWidth - 2 * kGap;
  for (const auto& [id, caption] :
       {std::pair{IDOK, "Save"}, std::pair{IDCANCEL, "Cancel"}, std::pair{kHelp, "Help"}}) {
    MakeButton(hwnd(), id, caption, {buttonLeft, buttonTop, kButtonWidth, kButtonHeight}, font,
               id == IDOK);
    buttonLeft += kButtonWidth + kGap;
  }
  SetDefaultButton(IDOK);
}

void RegistryItemEditorView::ShowBoxes() {
  SetText(Control(kTitle), model_.title);
  SetText(Control(kDescription), model_.description);
  SetText(Control(kKey), model_.key);
  SetText(Control(kValueName), model_.valueName);
}

void RegistryItemEditorView::ShowLists() {
  EnableWindow(Control(kValueName), model_.valueNameEnabled());
  const HFONT font = fonts().text.get();
  FillWideListBox(Control(kRows), model_.rows(), font);
  const HWND lines = Control(kTestLines);
  FillWideListBox(lines, model_.testLines(), font);
  if (!model_.testLines().empty())
    SendMessageW(lines, LB_SETTOPINDEX, model_.testLines().size() - 1, 0);
  SetText(Control(kResult), model_.result());
}

void RegistryItemEditorView::OnEdit(int id, std::string& field) {
  field = ControlText(Control(id));
}

void RegistryItemEditorView::OnCommand(int id, int code) {
  if (code == EN_CHANGE) {
    if (id == kTitle) return OnEdit(id, model_.title);
    if (id == kDescription) return OnEdit(id, model_.description);
    if (id == kKey) return OnEdit(id, model_.key);
    if (id == kValueName) return OnEdit(id, model_.valueName);
    return;
  }
  if (code != BN_CLICKED) return;
  for (const Option& option : kOptions) {
    if (id == option.id) model_.OnErase(option.erase);
  }
  switch (id) {
    case kAdd:
      model_.OnAdd();
      break;
    case kRemove:
      model_.OnRemove(ListBoxSelection(Control(kRows)));
      break;
    case kLaunch:
      model_.OnLaunchEditor();
      break;
    case kTest:
      model_.OnTest();
      break;
    case IDOK:
      model_.OnSave();
      break;
    case IDCANCEL:
      model_.OnCancel();
      break;
    case kHelp:
      OpenHelp(ctx_, help_page::kCustomItems);
      break;
    default:
      break;
  }
  if (!model_.closed()) ShowLists();
}

LRESULT RegistryItemEditorView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) clipboard_.reset();
  if (clipboard_ && clipboard_->Handle(message, wParam, lParam)) return 0;
  return SkinnedWindow::OnMessage(message, wParam, lParam);
}

void RegistryItemEditorView::OnTitleHelp() {
  OpenHelp(ctx_, help_page::kCustomItems);
}

}  // namespace quellorn::ui::win32
