// Started by the shell tests: writes down how it was started (the show command it was given and
// the folder it runs from) and its process id, so that the test can wait for it to end, and then
// tells the waiting test that the report is complete.
//   start_probe [REPORT]   (default: report.txt in the probe's own folder)
#include <string>

#include "platform/win32/win32_base.h"
#include "platform/win32/win32_platform.h"

int main(int argc, char** argv) {
  using namespace quellorn::platform;
  Win32Platform backEnd;
  Platform& platform = backEnd.platform();
  const std::string folder = platform.system.ProgramFolder();
  const std::string report = argc > 1 ? argv[1] : folder + "\\report.txt";

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const std::string text =
      "showwindow=" + std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) != 0) +
      " show=" + std::to_string(startup.wShowWindow) + " folder=" + folder +
      "\npid=" + std::to_string(GetCurrentProcessId());

  std::unique_ptr<File> file;
  Status status = platform.files.Open(report, OpenMode::kCreateAlways, file);
  if (status == kSuccess) status = file->Write(text.data(), text.size());
  file.reset();

  win32::UniqueHandle done(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"quellorn-start-probe"));
  if (done) SetEvent(done.get());
  return status == kSuccess ? 0 : 1;
}
