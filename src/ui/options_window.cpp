#include "ui/options_window.h"

#include <array>

#include "core/context.h"
#include "core/number_text.h"
#include "primitives/registry_eraser.h"
#include "ui/home_page_repair.h"
#include "ui/program_documents.h"

namespace quellorn::ui {
namespace {

using platform::kCurrentUser;
using platform::kLocalMachine;

constexpr ControlText kControls[] = {
    {"cmdOK", "OK"},
    {"Command1", "Cancel"},
    {"cmdhelp", "Help"},
    {"Frame1", "General Options"},
    {"Label9", "Log Option"},
    {"Label10", "Choose how to clear the log file"},
    {"chkAutorun", "Load Quellorn At Windows Startup"},
    {"chkStealth", "Run In Stealth Mode"},
    {"Label5",
     "Lets Quellorn to operate in an invisible mode, this will not show an icon on the system "
     "tray . In Stealth Mode, it can run Autoerasing  in background. You can press  ALT+A to "
     "show/hide Quellorn."},
    {"chkBosskey", "Enable Boss Key"},
    {"Label6",
     "If checked,  you can press  ALT+SPACE to hide/unhide your current open browser window "
     "quickly . you can hide the browser windows quickly when your boss ( or anyone else you "
     "don't want to see your computer screen)  comes in."},
    {"chkWarning", "Ask Before Erasing"},
    {"Frame10", "Schedule Options"},
    {"Label3", "Run Erasing at"},
    {"chkWinStart", "Windows Startup"},
    {"chkwinDown", "Windows Shutdown"},
    {"chkBrowserDown", "Browser Shutdown"},
    {"Label11",
     "Quellorn detects the above events, it will start to erase the tracks when one of the above "
     "events happens."},
    {"chkRunPerTime", "Run AutoErase every"},
    {"Label12", "Choose the erasing interval from the above pull down menu."},
    {"Frame2", "Security Options"},
    {"Label4",
     "Securely erase the tracks by overwriting the file(s) the specified number of times        "
     "( you choose below) with blank character, this prevent others fom recovering your file(s) "
     "using recovery tools."},
    {"chkRandom", "Enable Secure Erasing"},
    {"Label7", "Overwrite tracks  file(s)"},
    {"Label8", "time(s) before it is erased."},
    {"Label16",
     "Note: The more times you set to overwrite the file, the more time it will take to erasing "
     "the tracks. Usually, the default 3 times is enough."},
    {"Label17",
     "Quellorn implements the Department of Defense clearing and sanitizing standard DOD "
     "5220.22-M, gives you the confidence that once erased with Quellorn, your file data is gone "
     "forever and can not be recovered."},
    {"Frame3", "IE Home Page Protection Settings"},
    {"Label14",
     "Some malicious websites change your default browser homepage, or set your browser to "
     "automatically open their website on reboot. You can use this feature to avoid this from "
     "happening."},
    {"chkHomepageProtect", "Prevent your home page from being changed by website"},
    {"Label15",
     "Checking this feature will enable Quellorn to monitor your homepage settings. If another "
     "web site attempts to change your homepage, it will prompt you first to agree/disagree to "
     "the change."},
    {"Label1", "Reset Homepage to"},
    {"Label2", "Window Title (Browser Title)"},
    {"cmdblank", "Use Blank"},
    {"cmdHomepage", "Apply"},
};

constexpr std::string_view kTabs[] = {"General", "Schedule", "Security", "Homepage"};

constexpr std::string_view kBoxNames[kOptionsBoxCount] = {
    "chkAutorun", "chkStealth",     "chkBosskey",    "chkWarning", "chkWinStart",
    "chkwinDown", "chkBrowserDown", "chkRunPerTime", "chkRandom",  "chkHomepageProtect",
};

constexpr std::string_view kTimeItems[] = {"15 Minutes", "30 Minutes", "1 Hour", "8 Hours",
                                           "Daily",      "Weekly",     "Monthly"};
constexpr std::string_view kLogItems[] = {"Clear Log Manually", "Clear Log On Shutdown",
                                          "Clear Log On Windows Shutdown", "Turn Logging Off"};
constexpr std::string_view kOverwriteItems[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

constexpr std::pair<OptionsBox, std::int16_t> kEventBoxes[] = {
    {OptionsBox::kWindowsStartUp, kEraseAtWindowsStartUp},
    {OptionsBox::kWindowsShutdown, kEraseAtWindowsShutdown},
    {OptionsBox::kBrowserShutdown, kEraseAtBrowserShutdown},
};

constexpr std::string_view kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";

std::string ReadOrEmpty(Context& ctx, platform::RegHandle root, std::string_view name) {
  std::string text = QueryValue(ctx, root, kIeMain, name);
  return text == kReadFailed ? std::string() : text;
}

int IndexIn(std::span<const std::string_view> items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
}

}  // namespace

std::span<const ControlText> OptionsWindow::Controls() {
  return kControls;
}
std::string_view OptionsWindow::TabCaption(OptionsTab tab) {
  return kTabs[static_cast<int>(tab)];
}
std::string_view OptionsWindow::BoxName(OptionsBox box) {
  return kBoxNames[static_cast<int>(box)];
}
std::span<const std::string_view> OptionsWindow::TimeItems() {
  return kTimeItems;
}
std::span<const std::string_view> OptionsWindow::LogItems() {
  return kLogItems;
}
std::span<const std::string_view> OptionsWindow::OverwriteItems() {
  return kOverwriteItems;
}

void OptionsWindow::Load() {
  homepage_ = ReadOrEmpty(ctx_, kCurrentUser, "Start Page");
  windowTitle_ = ReadOrEmpty(ctx_, kLocalMachine, "Window Title");
  const Settings& settings = ctx_.settings;
  overwriteText_ = std::to_string(settings.OverWriteTimes);
  tab_ = OptionsTab::kGeneral;
  OnBoxClick(OptionsBox::kSecureErasing, settings.SecureErasing());
  OnBoxClick(OptionsBox::kStealth, settings.StealthOn());
  OnBoxClick(OptionsBox::kBossKey, settings.BossKeyOn());
  for (const auto& [box, event] : kEventBoxes)
    OnBoxClick(box, settings.ErasesAt(event));
  const bool periodic = settings.PeriodicEraseOn();
  timeEnabled_ = periodic;
  if (periodic) {
    OnBoxClick(OptionsBox::kRunPerTime, true);
    OnTimeClick(IndexIn(kTimeItems, settings.EraseTime - 1));
  }
  OnBoxClick(OptionsBox::kAutorun, settings.StartsWithWindows());
  OnBoxClick(OptionsBox::kHomepageProtect, settings.HomePageProtected());
  OnBoxClick(OptionsBox::kAskBeforeErasing, !ConfirmationSkipped(ctx_.settingsFile));
  OnLogClick(IndexIn(kLogItems, settings.clearlog));
}

void OptionsWindow::OnBoxClick(OptionsBox box, bool checked) {
  checked_[static_cast<int>(box)] = checked;
  Settings& settings = ctx_.settings;
  switch (box) {
    case OptionsBox::kAutorun:
      return settings.SetStartsWithWindows(checked);
    case OptionsBox::kStealth:
      return settings.SetStealth(checked);
    case OptionsBox::kBossKey:
      return settings.SetBossKey(checked);
    case OptionsBox::kSecureErasing:
      return settings.SetSecureErasing(checked);
    case OptionsBox::kHomepageProtect:
      return settings.SetHomePageProtected(checked);
    case OptionsBox::kRunPerTime:
      timeEnabled_ = checked;
      return settings.SetPeriodicEraseOn(checked);
    default:  // read when OK is pressed
      return;
  }
}

void OptionsWindow::OnTimeClick(int index) {
  timeIndex_ = IndexIn(kTimeItems, index);
  if (timeIndex_ >= 0) ctx_.settings.EraseTime = static_cast<std::int16_t>(timeIndex_ + 1);
}

void OptionsWindow::OnLogClick(int index) {
  logIndex_ = IndexIn(kLogItems, index);
  if (logIndex_ >= 0) ctx_.settings.clearlog = static_cast<std::int16_t>(logIndex_);
}

void OptionsWindow::OnOverwriteChange(std::string_view text) {
  overwriteText_ = text;
  ctx_.settings.OverWriteTimes = LeadingNumber16(text);
}

void OptionsWindow::OnUseBlank() {
  homepage_ = "about:blank";
  windowTitle_.clear();
}

void OptionsWindow::OnApply() {
  RepairHomePage(ctx_, homepage_, windowTitle_);
}

void OptionsWindow::OnOk() {
  Settings& settings = ctx_.settings;
  clsIniFile& file = ctx_.settingsFile;
  if (settings.OverWriteTimes == 0) settings.OverWriteTimes = 1;
  SaveOptions(file, settings, OptionGroup::kGeneral);
  SaveConfirmationSkipped(file, !checked(OptionsBox::kAskBeforeErasing));
  std::int16_t events = 0;
  for (const auto& [box, event] : kEventBoxes) {
    if (checked(box)) events = static_cast<std::int16_t>(events | event);
  }
  settings.Autoerase = events;
  SaveOptions(file, settings, OptionGroup::kSchedule);
  WriteStartUpEntry();
  closed_ = true;
}

void OptionsWindow::WriteStartUpEntry() {
  const ScopedEraseMode erasing(ctx_);
  const platform::RegHandle root = ctx_.windowsVersion == "95" ? kLocalMachine : kCurrentUser;
  if (!ctx_.settings.StartsWithWindows()) {
    DeleteValue(ctx_, root, kRunKey, kStartUpValue);
    return;
  }
  if (root == kCurrentUser && QueryValue(ctx_, root, kRunKey, "") == kReadFailed) {
    CreateKey(ctx_, root, kRunKey);
  }
  // Quoted, since the program folder usually holds a blank ("Program Files").
  const std::string command =
      "\"" + ctx_.programFolder + "\\" + std::string(kProgramFile) + "\" min";
  SetValue(ctx_, root, kRunKey, kStartUpValue, command, platform::reg_type::kSz);
}

void OptionsWindow::OnCancel() {
  closed_ = true;
}

void OptionsWindow::OnHelp() {
  OpenHelp(ctx_, help_page::kOptions);
}

}  // namespace quellorn::ui
