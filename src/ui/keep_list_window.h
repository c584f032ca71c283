#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "erasers/keep_list.h"

namespace quellorn {

struct Context;

namespace ui {

// The keep-list window (frmOptions) without its toolkit: the items found on the system beside
// the keep list being edited. One window edits one list, chosen by the keep-list mode text
// ("cookies", "url" or "plugins"); with any other text it shows its design captions, empty
// lists, and saves nothing.
class KeepListWindow {
 public:
  static constexpr std::uint32_t kFrameColour = 0xCFCFCF;  // RGB(207, 207, 207)

  KeepListWindow(Context& ctx, std::string_view mode);

  // Sets the captions, reads the keep list from its file and lists the current items.
  void Load();

  // Captions: the title label, the frame around the lists and the two list headings.
  const std::string& title() const { return title_; }
  const std::string& frameCaption() const { return frameCaption_; }
  const std::string& currentHeading() const { return currentHeading_; }
  const std::string& keepHeading() const { return keepHeading_; }

  const std::vector<std::string>& currentItems() const { return current_; }
  const std::vector<std::string>& keepItems() const { return keep_; }
  bool addEnabled() const { return addEnabled_; }
  bool deleteEnabled() const { return deleteEnabled_; }
  bool closed() const { return closed_; }

  // A click on an item of either list selects it and enables the button that acts on it.
  void OnCurrentClick(std::size_t index);
  void OnKeepClick(std::size_t index);
  // A double click selects and acts at once.
  void OnCurrentDoubleClick(std::size_t index);
  void OnKeepDoubleClick(std::size_t index);

  // Puts the selected current item on the keep list, unless it is there already.
  void OnAdd();
  // Takes the selected item off the keep list.
  void OnDelete();
  // Lists the current items again.
  void OnRefresh();
  // Writes the keep list to its file and closes; Cancel closes without writing.
  void OnOk();
  void OnCancel();

 private:
  Context& ctx_;
  std::optional<KeepListKind> kind_;
  std::string title_ = "Welcome";
  std::string frameCaption_ = "Cookies";
  std::string currentHeading_ = "Label1";
  std::string keepHeading_ = "Label2";
  std::vector<std::string> current_;
  std::vector<std::string> keep_;
  bool readable_ = true;  // whether the list's file could be read
  std::optional<std::size_t> currentSelection_;
  std::optional<std::size_t> keepSelection_;
  bool addEnabled_ = false;
  bool deleteEnabled_ = false;
  bool closed_ = false;
};

}  // namespace ui
}  // namespace quellorn
