#include "ui/win32/file_item_editor_view.h"

#include <tuple>
#include <utility>

#include "ui/program_documents.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

using namespace file_item_id;

constexpr int kWidth = 680;
constexpr int kHeight = 590;
constexpr int kPad = 12;
constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kLabelWidth = 78;  // beside the title and description boxes
constexpr int kRowTop = kContentTop + 4;
constexpr int kFrameTop = kRowTop + 2 * (kEditHeight + 6) + 8;
constexpr int kFrameWidth = 300;
constexpr int kListsLeft = kContentLeft + kFrameWidth + kPad;
constexpr int kListsWidth = kWidth - kContentLeft - kListsLeft;
constexpr int kFrameBottom = kFrameTop + 304;
// The two lists with their labels and buttons beside the frame, level with its caption.
constexpr int kBlocksTop = kFrameTop - 7;
constexpr int kBlockHeight = (kFrameBottom - kBlocksTop - 10) / 2;
constexpr int kListHeight = kBlockHeight - kLabelHeight - 2 - 6 - kButtonHeight;

constexpr EntryList kLists[] = {EntryList::kErase, EntryList::kSpare};

int Index(EntryList list) {
  return static_cast<int>(list);
}

// The chosen row's text, empty when none is chosen.
std::string Chosen(HWND list) {
  const int row = ListBoxSelection(list);
  return row < 0 ? std::string() : ListBoxText(list, row);
}

}  // namespace

FileItemEditorView::FileItemEditorView(const SkinArt& art, MessageLoop& loop, Context& ctx,
                                       std::string fileName, std::string_view caption)
    : SkinnedWindow(art, SkinStyle::kDialog, kWidth, kHeight),
      loop_(loop),
      ctx_(ctx),
      caption_(caption),
      model_(ctx, host_, std::move(fileName)) {}

bool FileItemEditorView::Run(HWND owner) {
  if (!CreateSkinned(L"Quellorn.FileItemEditor", caption_, owner)) return false;
  host_.SetOwner(hwnd());
  model_.Load();
  Build();
  ShowBrowser();
  ShowModel();
  RunModal(loop_, owner, Control(kTitle), [&] { return model_.closed(); });
  return model_.saved();
}

void FileItemEditorView::Build() {
  SetTitle(FileItemEditor::kTitle);
  const HFONT font = fonts().text.get();
  const int editLeft = kContentLeft + kLabelWidth;
  const int editWidth = kWidth - kContentLeft - editLeft;
  for (const auto& [id, label, text, row] :
       {std::tuple{kTitle, "Title", &model_.title, 0},
        std::tuple{kDescription, "Description", &model_.description, 1}}) {
    const int top = kRowTop + row * (kEditHeight + 6);
    MakeLabel(hwnd(), 0, label, {kContentLeft, top + 3, kLabelWidth - kGap, kLabelHeight}, font);
    const std::string shown = *text;  // setting the box reports a change that rewrites `text`
    SetText(MakeEdit(hwnd(), id, {editLeft, top, editWidth, kEditHeight}, font), shown);
  }
  BuildBrowser(kFrameTop, kFrameBottom);
  BuildList(EntryList::kErase, kListsLeft, kBlocksTop, kListsWidth);
  BuildList(EntryList::kSpare, kListsLeft, kFrameBottom - kBlockHeight, kListsWidth);
  BuildTest(kFrameBottom + 10);
}

void FileItemEditorView::BuildBrowser(int top, int bottom) {
  const HFONT font = fonts().text.get();
  frame_ = {kContentLeft, top, kContentLeft + kFrameWidth, bottom};
  constexpr std::string_view kCaption = "Select Folder and Files That Will Be Erased";
  MakeLabel(hwnd(), 0, kCaption, {kContentLeft + kGap, top - 7, TextWidth(font, kCaption) + 6, 14},
            font);
  const int left = kContentLeft + kPad;
  const int width = kFrameWidth - 2 * kPad;
  constexpr int kDriveWidth = 64;
  const int driveTop = top + 14;
  FillDropDownList(MakeDropDownList(hwnd(), kDrive, {left, driveTop, kDriveWidth, 200}, font),
                   model_.browser.Drives(), model_.browser.drive());
  MakeLabel(hwnd(), kFolder, "",
            {left + kDriveWidth + kGap, driveTop + 3, width - kDriveWidth - kGap, kLabelHeight},
            font, SS_LEFT | SS_PATHELLIPSIS);
  const int wildTop = bottom - 10 - kEditHeight - kLabelHeight - 2;
  const int listsTop = driveTop + kEditHeight + 6;
  const int listHeight = (wildTop - 8 - listsTop - 6) / 2;
  MakeListBox(hwnd(), kFolders, {left, listsTop, width, listHeight}, font);
  MakeListBox(hwnd(), kFiles, {left, listsTop + listHeight + 6, width, listHeight}, font);
  MakeLabel(hwnd(), 0, "Wild Card when you add a folder(Such as *.chk)",
            {left, wildTop, width, kLabelHeight}, font);
  constexpr int kWildWidth = 120;
  const int boxTop = wildTop + kLabelHeight + 2;
  SetText(MakeEdit(hwnd(), kWildcard, {left, boxTop, kWildWidth, kEditHeight}, font),
          model_.wildcard);
  MakeCheckBox(hwnd(), kSubfolders, "Include SubFolder",
               {left + kWildWidth + kPad, boxTop, width - kWildWidth - kPad, kEditHeight}, font);
  CheckDlgButton(hwnd(), kSubfolders, model_.includeSubfolders ? BST_CHECKED : BST_UNCHECKED);
}

void FileItemEditorView::BuildList(EntryList list, int left, int top, int width) {
  const HFONT font = fonts().text.get();
  const int i = Index(list);
  MakeLabel(hwnd(), 0,
            list == EntryList::kErase ? "Folder and Files That will be erased"
                                      : "Folder and Files That will be excluded",
            {left, top, width, kLabelHeight}, font);
  const int listTop = top + kLabelHeight + 2;
  MakeListBox(hwnd(), kFirstList + i, {left, listTop, width, kListHeight}, font);
  const int buttonTop = listTop + kListHeight + 6;
  constexpr int kAddWidth = 90;
  const int removeWidth = width - 2 * (kAddWidth + kGap);
  MakeButton(hwnd(), kFirstAddFile + i, "Add  File(s)", {left, buttonTop, kAddWidth, kButtonHeight},
             font);
  MakeButton(hwnd(), kFirstAddFolder + i, "Add  Folder",
             {left + kAddWidth + kGap, buttonTop, kAddWidth, kButtonHeight}, font);
  MakeButton(hwnd(), kFirstRemove + i, "Remove From List",
             {left + width - removeWidth, buttonTop, removeWidth, kButtonHeight}, font);
}

void FileItemEditorView::BuildTest(int top) {
  const HFONT font = fonts().text.get();
  const int width = kWidth - 2 * kContentLeft;
  const int buttonTop = height() - kContentBottomMargin - kButtonHeight;
  MakeLabel(hwnd(), 0, "Test Results", {kContentLeft, top, width, kLabelHeight}, font);
  const int listTop = top + kLabelHeight + 2;
  MakeListBox(hwnd(), kTestLines, {kContentLeft, listTop, width, buttonTop - kGap - listTop}, font);
  MakeButton(hwnd(), kTest, "Test", {kContentLeft, buttonTop, kButtonWidth, kButtonHeight}, font);
  const int right = kWidth - kContentLeft;
  const int saveLeft = right - 3 * kButtonWidth - 2 * kGap;
  const int resultLeft = kContentLeft + kButtonWidth + kPad;
  MakeLabel(hwnd(), kResult, "",
            {resultLeft, buttonTop + 5, saveLeft - kPad - resultLeft, kLabelHeight}, font);
  int x = saveLeft;
  for (const auto& [id, caption] :
       {std::pair{kSave, "Save"}, std::pair{int{IDCANCEL}, "Cancel"}, std::pair{kHelp, "Help"}}) {
    MakeButton(hwnd(), id, caption, {x, buttonTop, kButtonWidth, kButtonHeight}, font);
    x += kButtonWidth + kGap;
  }
}

void FileItemEditorView::ShowBrowser() {
  SetText(Control(kFolder), model_.browser.folder());
  FillListBox(Control(kFolders), model_.browser.FolderRows());
  FillListBox(Control(kFiles), model_.browser.Files());
}

void FileItemEditorView::ShowModel() {
  for (const EntryList list : kLists)
    FillListBox(Control(kFirstList + Index(list)), model_.entries(list));
  const HWND lines = Control(kTestLines);
  FillListBox(lines, model_.testLines());
  const auto count = static_cast<WPARAM>(model_.testLines().size());
  if (count > 0) SendMessageW(lines, LB_SETTOPINDEX, count - 1, 0);
  SetText(Control(kResult), model_.result());
}

bool FileItemEditorView::OnListCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  for (const EntryList list : kLists) {
    const int i = Index(list);
    if (id == kFirstAddFile + i) {
      model_.OnAddFile(list, Chosen(Control(kFiles)));
    } else if (id == kFirstAddFolder + i) {
      model_.OnAddFolder(list);
    } else if (id == kFirstRemove + i) {
      model_.OnRemove(list, ListBoxSelection(Control(kFirstList + i)));
    } else {
      continue;
    }
    return true;
  }
  return false;
}

void FileItemEditorView::OnCommand(int id, int code) {
  if (OnListCommand(id, code)) return ShowModel();
  switch (id) {
    case kTitle:
      if (code == EN_CHANGE) model_.title = ControlText(Control(id));
      return;
    case kDescription:
      if (code == EN_CHANGE) model_.description = ControlText(Control(id));
      return;
    case kWildcard:
      if (code == EN_CHANGE) model_.wildcard = ControlText(Control(id));
      return;
    case kSubfolders:
      if (code == BN_CLICKED)
        model_.includeSubfolders = IsDlgButtonChecked(hwnd(), id) == BST_CHECKED;
      return;
    case kDrive:
      if (code != CBN_SELCHANGE) return;
      model_.browser.OnDriveChange(ComboBoxChoice(Control(id)));
      return ShowBrowser();
    case kFolders: {
      const std::string row = Chosen(Control(id));
      if (code != LBN_DBLCLK || row.empty()) return;
      model_.browser.OnFolderRow(row);
      return ShowBrowser();
    }
    case kFiles:
      if (code != LBN_DBLCLK) return;
      model_.OnAddFile(EntryList::kErase, Chosen(Control(id)));
      return ShowModel();
    case kTest:
      model_.OnTest();
      return ShowModel();
    case kSave:
      return model_.OnSave();
    case IDCANCEL:
      return model_.OnCancel();
    case kHelp:
      return OnTitleHelp();
    default:
      return;
  }
}

void FileItemEditorView::OnTitleHelp() {
  OpenHelp(ctx_, help_page::kCustomItems);
}

void FileItemEditorView::PaintContent(HDC dc) {
  DrawEtched(dc, frame_, BF_RECT);
}

}  // namespace quellorn::ui::win32
