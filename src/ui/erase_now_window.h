#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/erase_mode.h"
#include "ui/control_text.h"

namespace quellorn {

struct Context;

namespace ui {

// The confirmation window shown before a run erases: erase, test, or cancel. It answers the
// choice as the erase mode.
class EraseNowWindow {
 public:
  static constexpr std::string_view kCaption = "Erase Now";
  static constexpr std::string_view kTitle = "Erase Now";

  explicit EraseNowWindow(Context& ctx) : ctx_(ctx) {}

  // Every button, check box and label, with its text.
  static std::span<const ControlText> Controls();

  void OnStart();   // cmdStart
  void OnTest();    // cmdTest
  void OnCancel();  // cmdCancel, and the title bar's close image
  void OnHelp();    // CmdHelp
  // ChkWarning: remembered at once, so the next run started by the user asks no more.
  void OnWarningClick(bool checked);

  bool warningChecked() const { return warningChecked_; }
  bool closed() const { return closed_; }
  EraseMode answer() const { return answer_; }

 private:
  void Close(EraseMode answer);

  Context& ctx_;
  bool warningChecked_ = false;
  bool closed_ = false;
  EraseMode answer_ = EraseMode::kNone;
};

}  // namespace ui
}  // namespace quellorn
