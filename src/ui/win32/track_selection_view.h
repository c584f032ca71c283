#pragma once

#include <array>
#include <memory>
#include <vector>

#include "ui/item_list.h"
#include "ui/track_selection_window.h"
#include "ui/win32/item_list_page.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/message_view.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// Ids of the track selection window's controls; the plugin and custom item lists take theirs
// from kFirstPageControl on.
namespace track_id {
inline constexpr int kFirstTab = 200;         // + TrackTab
inline constexpr int kFirstBrowserTab = 210;  // + BrowserTab
inline constexpr int kFirstBox = 300;         // + Track
inline constexpr int kFirstSelectAll = 330;   // + TrackGroup
inline constexpr int kFirstSelectNone = 340;  // + TrackGroup
inline constexpr int kHelp = 501;
inline constexpr int kNetscapeFolder = 502;
inline constexpr int kFirstKeepList = 510;  // + KeepListKind: url, cookies, plugins
inline constexpr int kFirstPageControl = 1000;
}  // namespace track_id

inline constexpr int kTrackTabCount = 4;

inline constexpr int kBrowserTabCount = 4;

// The track selection window on screen, beside the main window. Its two rows of tabs are push
// buttons above etched frames, as in the options window; the Applications and Custom items tabs
// hold the plugin and custom item lists, whose messages it shows.
class TrackSelectionView : public SkinnedWindow, private ItemListHost {
 public:
  TrackSelectionView(const SkinArt& art, MessageLoop& loop, Context& ctx);

  bool Show(HWND owner);
  void Close();
  bool open() const { return hwnd() != nullptr; }

 private:
  void Build();
  void BuildGroup(TrackGroup group, std::vector<HWND>& page, int top);
  void BuildKeepListButtons(std::vector<HWND>& page, int top);
  void ShowTab();
  void ShowState();
  void OnCommand(int id, int code) override;
  void OnBrowserPageCommand(int id);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnTitleClose() override { Close(); }
  void OnTitleHelp() override { model_.OnHelp(); }
  void PaintContent(HDC dc) override;
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
  // The room inside a tab's frame.
  RECT PageRect(TrackTab tab) const;
  void ShowMessage(const std::string& heading, const std::string& text) override;
  bool Ask(const std::string& title, const std::string& text) override;
  void EditItem(CustomItemType type, const std::string& fileName) override;
  void AddItem() override;
  void EditCustomItem(CustomItemType type, const std::string& fileName, std::string_view caption);

  MessageLoop& loop_;
  Context& ctx_;
  TrackSelectionWindow model_;
  std::array<std::vector<HWND>, kTrackTabCount> pages_;
  std::array<std::vector<HWND>, kBrowserTabCount> browserPages_;
  ItemListPage plugins_;
  ItemListPage custom_;
  std::unique_ptr<MessageView> message_;
  bool showing_ = false;  // while the view sets controls, their notices are not the user's
};

}  // namespace quellorn::ui::win32
