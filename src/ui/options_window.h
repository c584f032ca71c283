#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/control_text.h"

namespace quellorn {

struct Context;

namespace ui {

enum class OptionsTab { kGeneral, kSchedule, kSecurity, kHomepage };

// The check boxes of the options window.
enum class OptionsBox {
  kAutorun,
  kStealth,
  kBossKey,
  kAskBeforeErasing,
  kWindowsStartUp,
  kWindowsShutdown,
  kBrowserShutdown,
  kRunPerTime,
  kSecureErasing,
  kHomepageProtect,
};
inline constexpr int kOptionsBoxCount = 10;

// The options window (frmOpt) without its toolkit. A click changes the in-memory setting at
// once; OK writes the settings and the program's start-up entry, Apply repairs the Internet
// Explorer start and search pages.
class OptionsWindow {
 public:
  static constexpr std::string_view kTitle = "Options";
  static constexpr std::string_view kProgramFile = "quellorn.exe";
  // The start-up entry's value name and key (under the root of StartUpRoot()).
  static constexpr std::string_view kStartUpValue = "Quellorn";
  static constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

  explicit OptionsWindow(Context& ctx) : ctx_(ctx) {}

  // Every frame, label, box and button, with its text.
  static std::span<const ControlText> Controls();
  static std::string_view TabCaption(OptionsTab tab);
  // The control name of a box, for its text.
  static std::string_view BoxName(OptionsBox box);
  // The items of cboTime, cbolog and cboOver.
  static std::span<const std::string_view> TimeItems();
  static std::span<const std::string_view> LogItems();
  static std::span<const std::string_view> OverwriteItems();

  // Reads the home page and window title from the registry and sets the controls from the
  // settings, as clicks would.
  void Load();

  void OnTab(OptionsTab tab) { tab_ = tab; }
  void OnBoxClick(OptionsBox box, bool checked);
  void OnTimeClick(int index);                    // cboTime
  void OnLogClick(int index);                     // cbolog
  void OnOverwriteChange(std::string_view text);  // cboOver
  void OnHomepageChange(std::string_view text) { homepage_ = text; }
  void OnWindowTitleChange(std::string_view text) { windowTitle_ = text; }
  void OnUseBlank();  // cmdblank
  void OnApply();     // cmdHomepage
  void OnOk();        // cmdOK
  void OnCancel();    // Command1, and the title bar's close image
  void OnHelp();      // cmdhelp, and the title bar's help image

  OptionsTab tab() const { return tab_; }
  bool checked(OptionsBox box) const { return checked_[static_cast<int>(box)]; }
  bool timeEnabled() const { return timeEnabled_; }
  int timeIndex() const { return timeIndex_; }  // -1: none
  int logIndex() const { return logIndex_; }    // -1: none
  const std::string& overwriteText() const { return overwriteText_; }
  const std::string& homepage() const { return homepage_; }
  const std::string& windowTitle() const { return windowTitle_; }
  bool closed() const { return closed_; }

 private:
  void WriteStartUpEntry();

  Context& ctx_;
  OptionsTab tab_ = OptionsTab::kGeneral;
  bool checked_[kOptionsBoxCount] = {};
  bool timeEnabled_ = true;
  int timeIndex_ = -1;
  int logIndex_ = -1;
  std::string overwriteText_;
  std::string homepage_;
  std::string windowTitle_;
  bool closed_ = false;
};

}  // namespace ui
}  // namespace quellorn
