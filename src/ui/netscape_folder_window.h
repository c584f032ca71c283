#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/netscape_folder_chooser.h"

namespace quellorn {

struct Context;

// Window `frmFindNcDir` ("Netscape Directory Setting", in the skinned frame, shown modally by
// the track selection window): where the Netscape 4.x program folder is, kept as the setting
// "nc4dir" of section "Browser". The Netscape erasers find the 4.x and users50 profiles there.
class frmFindNcDir {
 public:
  static constexpr std::string_view kCaption = "Netscape Directory Setting";
  static constexpr std::string_view kFrameCaption = "Netscape Directory (For Netscape 4.x)";
  static constexpr std::uint32_t kFrameColour = 0xCFCFCF;  // RGB(207, 207, 207)

  explicit frmFindNcDir(Context& ctx) : ctx_(ctx) {}

  // Shows the saved folder ("unknown value" until one has been saved).
  void Load();
  bool visible() const { return visible_; }

  // `txtNc4Dir`: the folder as the user types it.
  std::string txtNc4Dir;

  // `cmdBroswer` ("..."): the folder chooser, for the caller to show modally; its OK fills
  // txtNc4Dir. The chooser must not outlive this window.
  frmFinddir cmdBroswerClick();
  // `Command1` ("OK"): saves the text as typed, without any check, and closes.
  void Command1Click();
  // `Command2` ("Exit") and the frame's close image: close without writing.
  void Command2Click() { visible_ = false; }

 private:
  Context& ctx_;
  bool visible_ = false;
};

}  // namespace quellorn
