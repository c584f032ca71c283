// The Windows program: start-up, a copy already running handed over, then the main window and
// its message loop until the window unloads.
#include <chrono>

#include "core/context.h"
#include "platform/win32/win32_base.h"
#include "platform/win32/win32_platform.h"
#include "run/second_copy.h"
#include "run/startup.h"
#include "ui/win32/main_window_view.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skin_art.h"

// Needs <windows.h> before it.
#include <ole2.h>

namespace {

// How long a new copy gives the old one to close.
constexpr std::chrono::seconds kOldCopyPatience{5};

// The picture loader needs OLE on the thread for as long as the program runs.
class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool ok_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  using namespace quellorn;
  const OleSession ole;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  platform::Win32Platform backEnd;
  platform::Platform& os = backEnd.platform();
  const ui::win32::SkinArt art(instance);
  ui::win32::MessageLoop loop;
  Context ctx(os, os.system.ProgramFolder());
  // Every erase run says what survived it. The check is a test walk of the same items: it lists
  // folders and opens keys but writes nothing, a small cost beside the erase itself.
  ctx.run.verify = true;
  ui::win32::MainWindowView main(art, loop, ctx);
  StartUp(ctx, platform::win32::ToUtf8(commandLine));
  CloseRunningCopy(os.desktop, kOldCopyPatience);
  if (!main.Open()) return 1;
  return loop.Run();
}
