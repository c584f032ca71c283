#include "ui/about_window.h"

#include "core/context.h"
#include "ui/maker_site.h"
#include "ui/program_documents.h"

namespace quellorn::ui {

namespace {

const std::string kSupportLine = "Support Email ( " + std::string(kMakerSupportMail) + "  )";

const ControlText kControls[] = {
    {"Label11", "About Quellorn(tm)"},
    {"Label12", "Orvalen"},
    {"Label2", "Version 2.0"},
    {"Label15", "Get Latest Version Of Quellorn"},
    {"Label1", "Download Plugins"},
    {"Label16", "Online Support"},
    {"Label3", kSupportLine},
    {"cmdExit", "OK"},
    {"Command1", "Help"},
};

}  // namespace

std::span<const ControlText> AboutWindow::Controls() {
  return kControls;
}

std::string_view AboutWindow::LinkText(AboutLink link) {
  switch (link) {
    case AboutLink::kLatestVersion:
      return kControls[3].text;
    case AboutLink::kDownloadPlugins:
      return kControls[4].text;
    case AboutLink::kOnlineSupport:
      return kControls[5].text;
    case AboutLink::kSupportMail:
      return kControls[6].text;
  }
  return "";
}

std::string AboutWindow::LinkTarget(AboutLink link) {
  switch (link) {
    case AboutLink::kLatestVersion:
      return std::string(kMakerHomePage);
    case AboutLink::kDownloadPlugins:
      return std::string(kMakerPluginsPage);
    case AboutLink::kOnlineSupport:
      return std::string(kMakerSupportPage);
    case AboutLink::kSupportMail:
      return "mailto:" + std::string(kMakerSupportMail);
  }
  return "";
}

void AboutWindow::OnLink(AboutLink link) {
  ctx_.os.shell.Open(LinkTarget(link), platform::ShowStyle::kHidden);
}

void AboutWindow::OnHelp() {
  OpenHelp(ctx_, help_page::kAbout);
}

void AboutWindow::OnOk() {
  closed_ = true;
}

}  // namespace quellorn::ui
