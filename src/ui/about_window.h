#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/control_text.h"

namespace quellorn {

struct Context;

namespace ui {

// The links of the About window.
enum class AboutLink { kLatestVersion, kDownloadPlugins, kOnlineSupport, kSupportMail };

// The About window (frmAbout) without its toolkit: name, version, logo, the maker's pages and
// support address.
class AboutWindow {
 public:
  static constexpr std::string_view kTitle = "About";

  explicit AboutWindow(Context& ctx) : ctx_(ctx) {}

  // Every label and button, with its text.
  static std::span<const ControlText> Controls();
  // The text of a link's label, and the address it opens.
  static std::string_view LinkText(AboutLink link);
  static std::string LinkTarget(AboutLink link);

  void OnLink(AboutLink link);
  void OnHelp();  // Command1 and the help image
  void OnOk();    // OK and the close image
  bool closed() const { return closed_; }

 private:
  Context& ctx_;
  bool closed_ = false;
};

}  // namespace ui
}  // namespace quellorn
