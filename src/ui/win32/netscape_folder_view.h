#pragma once

#include "ui/netscape_folder_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The Netscape folder window on screen, modal: the folder in a text box, "..." for the chooser.
class NetscapeFolderView : public SkinnedWindow {
 public:
  NetscapeFolderView(const SkinArt& art, MessageLoop& loop, Context& ctx);

  // Shows the window and returns when it is closed (or the program ends).
  void Run(HWND owner);

 private:
  void Build();
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { model_.OnExit(); }
  void PaintContent(HDC dc) override;
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  MessageLoop& loop_;
  NetscapeFolderWindow model_;
  RECT frame_{};
};

// The folder chooser on screen, in a plain window frame, modal: the drives in a drop-down list
// and the open folder's subfolders ("..", first below a root, goes up).
class NetscapeFolderChooserView : public Window {
 public:
  NetscapeFolderChooserView(const UiFonts& fonts, MessageLoop& loop, NetscapeFolderChooser model);

  void Run(HWND owner);

 private:
  void Build();
  void ShowFolder();
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(int id, int code);
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  const UiFonts& fonts_;
  MessageLoop& loop_;
  NetscapeFolderChooser model_;
};

}  // namespace quellorn::ui::win32
