#include "ui/erase_now_window.h"

#include "core/context.h"
#include "ui/program_documents.h"

namespace quellorn::ui {
namespace {

constexpr ControlText kControls[] = {
    {"cmdStart", "Erase Now"},
    {"cmdTest", "Test Now"},
    {"cmdCancel", "Cancel"},
    {"CmdHelp", "Help"},
    {"ChkWarning", "Don't Show This Screen Next Time"},
    {"Label2",
     "To keep your privacy, the files and registry entries erased by Quellorn can not be "
     "recovered. So if you are not very sure  what are to be erased, you can click the Test "
     "Mode button on the main screen and check the Detailed List or Log file."},
    {"Label1",
     "It's highly recommended that you shut down all the programs to be  erased, Quellorn can "
     "not erase the tracks  being used by other programs."},
};

}  // namespace

std::span<const ControlText> EraseNowWindow::Controls() {
  return kControls;
}

void EraseNowWindow::OnStart() {
  Close(EraseMode::kErase);
}
void EraseNowWindow::OnTest() {
  Close(EraseMode::kTest);
}
void EraseNowWindow::OnCancel() {
  Close(EraseMode::kNone);
}
void EraseNowWindow::OnHelp() {
  OpenHelp(ctx_, help_page::kEraseNow);
}

void EraseNowWindow::OnWarningClick(bool checked) {
  warningChecked_ = checked;
  SaveConfirmationSkipped(ctx_.settingsFile, checked);
}

void EraseNowWindow::Close(EraseMode answer) {
  answer_ = answer;
  closed_ = true;
}

}  // namespace quellorn::ui
