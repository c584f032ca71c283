#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/track.h"
#include "ui/control_text.h"

namespace quellorn {

struct Context;

namespace ui {

enum class TrackTab { kBrowsers, kWindows, kApplications, kCustomItems };
enum class BrowserTab { kIe, kNetscape, kOpera, kAol };
// The five groups of track boxes, each with its select-all and select-none box.
enum class TrackGroup { kIe, kNetscape, kOpera, kAol, kWindows };
inline constexpr int kTrackGroupCount = 5;

// One track box: its control, caption and group.
struct TrackBox {
  Track track;
  std::string_view name;
  std::string_view caption;
  TrackGroup group;
};

// The track selection window (frmSettings) without its toolkit. Its boxes work on the in-memory
// track flags at once (a box is checked exactly when its flag is 0); only OK writes them to the
// settings file and rebuilds the task list.
class TrackSelectionWindow {
 public:
  static constexpr std::string_view kTitle = "Eraser Settings";
  static constexpr std::string_view kNetscapeCaption = "Netscape Settings";
  static constexpr std::string_view kSelectAll = "Select all of the above";
  static constexpr std::string_view kSelectNone = "Select none of the above";

  explicit TrackSelectionWindow(Context& ctx) : ctx_(ctx) {}

  // The 24 track boxes, in the order OK writes their flags.
  static std::span<const TrackBox> Boxes();
  // Frames, buttons and group boxes with their texts (the track boxes are in Boxes()).
  static std::span<const ControlText> Controls();
  static std::string_view TabCaption(TrackTab tab);
  static std::string_view TabCaption(BrowserTab tab);
  static std::string_view SelectAllName(TrackGroup group);
  static std::string_view SelectNoneName(TrackGroup group);

  // Selects the first tabs, sets the boxes from the flags and reads the Netscape version into
  // the Netscape frame's caption.
  void Load();
  // Sets every track box from its flag; a box that changes acts as clicked.
  void Init();

  void OnTab(TrackTab tab) { tab_ = tab; }
  void OnTab(BrowserTab tab) { browserTab_ = tab; }
  // The user (or code) sets a track box to `checked`; the same value is no click.
  void OnBoxClick(Track track, bool checked);
  void OnSelectAll(TrackGroup group, bool checked);
  void OnSelectNone(TrackGroup group, bool checked);
  void OnOk();      // Command1
  void OnCancel();  // Command2, and the title bar's close image
  void OnHelp();    // cmdhelp, and the title bar's help image

  TrackTab tab() const { return tab_; }
  BrowserTab browserTab() const { return browserTab_; }
  bool checked(Track track) const { return checked_[static_cast<std::size_t>(track)]; }
  bool selectAll(TrackGroup group) const { return all_[static_cast<int>(group)]; }
  bool selectNone(TrackGroup group) const { return none_[static_cast<int>(group)]; }
  const std::string& netscapeCaption() const { return netscapeCaption_; }
  bool closed() const { return closed_; }

 private:
  void SetGroupFlags(TrackGroup group, std::int16_t value);

  Context& ctx_;
  TrackTab tab_ = TrackTab::kBrowsers;
  BrowserTab browserTab_ = BrowserTab::kIe;
  bool checked_[kTrackCount] = {};
  bool all_[kTrackGroupCount] = {};
  bool none_[kTrackGroupCount] = {};
  std::string netscapeCaption_{kNetscapeCaption};
  bool closed_ = false;
};

}  // namespace ui
}  // namespace quellorn
