#include "erasers/ie_options_dialog.h"

#include <chrono>
#include <string>
#include <vector>

#include "core/context.h"
#include "primitives/registry_eraser.h"

namespace quellorn {

using platform::Desktop;
using platform::WindowHandle;
using namespace std::chrono_literals;

namespace {

constexpr std::string_view kVersionVectorKey =
    "Software\\Microsoft\\Internet Explorer\\Version Vector";
constexpr std::string_view kPropertiesTitle = "Internet Properties";
constexpr std::string_view kAutoCompleteTitle = "AutoComplete Settings";
constexpr std::string_view kConfirmTitle = "Internet Options";
// How long a window of the dialog may take to appear or to go.
constexpr std::chrono::milliseconds kPatience = 10s;

// The windows of the dialog that the automation found, each hidden as soon as it is found.
// Whatever is still open when the automation ends is closed, newest first.
class FoundWindows {
 public:
  explicit FoundWindows(Desktop& desktop) : desktop_(desktop) {}
  FoundWindows(const FoundWindows&) = delete;
  FoundWindows& operator=(const FoundWindows&) = delete;
  ~FoundWindows() {
    for (auto window = found_.rbegin(); window != found_.rend(); ++window) {
      if (desktop_.Exists(*window)) desktop_.Post(*window, platform::window_message::kClose, 1, 1);
    }
  }

  // After the first window, only windows of the same program count.
  WindowHandle Find(std::string_view title) {
    const WindowHandle window =
        desktop_.FindByTitle(title, kPatience, found_.empty() ? 0 : found_.front());
    if (window == 0) return 0;
    desktop_.Show(window, platform::ShowStyle::kHidden);
    found_.push_back(window);
    return window;
  }

 private:
  Desktop& desktop_;
  std::vector<WindowHandle> found_;
};

bool Send(Desktop& desktop, WindowHandle window, std::string_view keys) {
  return window != 0 && desktop.PostKeys(window, keys) == platform::kSuccess;
}

// Answers the confirmation box that a Clear button opens, and waits until it has gone, so that
// the next keys reach the AutoComplete Settings window again.
bool Confirm(Desktop& desktop, FoundWindows& windows) {
  const WindowHandle box = windows.Find(kConfirmTitle);
  return Send(desktop, box, "{ENTER}") && desktop.WaitUntilGone(box, kPatience);
}

}  // namespace

std::optional<OptionsDialogStart> ChooseOptionsDialog(Context& ctx) {
  const std::string version = QueryValue(ctx, platform::kLocalMachine, kVersionVectorKey, "IE");
  if (version.starts_with('5')) {
    return OptionsDialogStart{"rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,2",
                              platform::ShowStyle::kMinimized};
  }
  if (version.starts_with('6')) {
    return OptionsDialogStart{"rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,3",
                              ctx.windowsVersion == "xp" ? platform::ShowStyle::kHidden
                                                         : platform::ShowStyle::kMinimized};
  }
  return std::nullopt;
}

void ClearFormsAndPasswords(Context& ctx, const OptionsDialogStart& start) {
  Desktop& desktop = ctx.os.desktop;
  // Keys meant for the dialog this program starts must not go to one the user has open.
  if (desktop.FindByTitle(kPropertiesTitle, 0ms) != 0) return;
  if (ctx.os.shell.Start(start.commandLine, start.style) != platform::kSuccess) return;
  FoundWindows windows(desktop);
  if (!Send(desktop, windows.Find(kPropertiesTitle), "%U")) return;
  const WindowHandle settings = windows.Find(kAutoCompleteTitle);
  if (!Send(desktop, settings, "%C") || !Confirm(desktop, windows)) return;
  if (!Send(desktop, settings, "%L") || !Confirm(desktop, windows)) return;
  // The OK button of AutoComplete Settings; the Internet Properties window is closed last.
  if (Send(desktop, settings, "{ENTER}")) desktop.WaitUntilGone(settings, kPatience);
}

}  // namespace quellorn
