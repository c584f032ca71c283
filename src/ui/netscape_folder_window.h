#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/netscape_folder_chooser.h"

namespace quellorn {

struct Context;

namespace ui {

// The Netscape folder window (frmFindNcDir, "Netscape Directory Setting", in the skinned frame,
// shown modally by the track selection window): where the Netscape 4.x program folder is, kept as
// the setting "nc4dir" of section "Browser". The Netscape erasers find the 4.x and users50 profiles
// there.
class NetscapeFolderWindow {
 public:
  static constexpr std::string_view kCaption = "Netscape Directory Setting";
  static constexpr std::string_view kFrameCaption = "Netscape Directory (For Netscape 4.x)";
  static constexpr std::uint32_t kFrameColour = 0xCFCFCF;  // RGB(207, 207, 207)

  explicit NetscapeFolderWindow(Context& ctx) : ctx_(ctx) {}

  // Shows the saved folder ("unknown value" until one has been saved).
  void Load();
  bool closed() const { return closed_; }

  // The folder as the user types it (txtNc4Dir).
  std::string folderText;

  // `cmdBroswer` ("..."): the folder chooser, for the caller to show modally; its OK fills
  // folderText. The chooser must not outlive this window.
  NetscapeFolderChooser OnBrowse();
  // `Command1` ("OK"): saves the text as typed, without any check, and closes.
  void OnOk();
  // `Command2` ("Exit") and the frame's close image: close without writing.
  void OnExit() { closed_ = true; }

 private:
  Context& ctx_;
  bool closed_ = true;
};

}  // namespace ui
}  // namespace quellorn
