#pragma once

#include <string>
#include <string_view>

#include "ui/file_item_editor.h"
#include "ui/win32/message_box_host.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The editor's control ids; the lists and their buttons come in pairs, + EntryList.
namespace file_item_id {
inline constexpr int kTitle = 201;
inline constexpr int kDescription = 202;
inline constexpr int kDrive = 203;
inline constexpr int kFolder = 204;
inline constexpr int kFolders = 205;
inline constexpr int kFiles = 206;
inline constexpr int kWildcard = 207;
inline constexpr int kSubfolders = 208;
inline constexpr int kFirstList = 210;
inline constexpr int kFirstAddFile = 220;
inline constexpr int kFirstAddFolder = 230;
inline constexpr int kFirstRemove = 240;
inline constexpr int kTestLines = 250;
inline constexpr int kResult = 251;
inline constexpr int kTest = 260;
inline constexpr int kSave = 261;
inline constexpr int kHelp = 262;
}  // namespace file_item_id

// The custom file and folder item editor on screen, modal: the title and description at the
// top, the folder browser in a frame on the left, the erase and exclusion lists on the right,
// the test results below.
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
  void Build();
  void BuildBrowser(int top, int bottom);
  void BuildList(EntryList list, int left, int top, int width);
  void BuildTest(int top);
  void ShowBrowser();
  void ShowModel();
  // The buttons that edit the erase and exclusion lists; false for any other control.
  bool OnListCommand(int id, int code);
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { model_.OnCancel(); }
  void OnTitleHelp() override;
  void PaintContent(HDC dc) override;
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  MessageLoop& loop_;
  Context& ctx_;
  std::string caption_;
  MessageBoxHost host_;
  FileItemEditor model_;
  RECT frame_{};
};

}  // namespace quellorn::ui::win32
