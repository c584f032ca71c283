#include "ui/netscape_folder_window.h"

#include "core/context.h"

namespace quellorn::ui {

void NetscapeFolderWindow::Load() {
  folderText = ctx_.settingsFile.GetSetting("browser", "nc4dir");
  closed_ = false;
}

NetscapeFolderChooser NetscapeFolderWindow::OnBrowse() {
  NetscapeFolderChooser chooser(ctx_.os.files, folderText);
  chooser.Load();
  return chooser;
}

void NetscapeFolderWindow::OnOk() {
  ctx_.settingsFile.SaveSetting("Browser", "nc4dir", folderText);
  closed_ = true;
}

}  // namespace quellorn::ui
