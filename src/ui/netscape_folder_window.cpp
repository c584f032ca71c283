#include "ui/netscape_folder_window.h"

#include "core/context.h"

namespace quellorn::ui {

void NetscapeFolderWindow::Load() {
  folderText = NetscapeFolder(ctx_.settingsFile);
  closed_ = false;
}

NetscapeFolderChooser NetscapeFolderWindow::OnBrowse() {
  NetscapeFolderChooser chooser(ctx_.os.files, folderText);
  chooser.Load();
  return chooser;
}

void NetscapeFolderWindow::OnOk() {
  SaveNetscapeFolder(ctx_.settingsFile, folderText);
  closed_ = true;
}

}  // namespace quellorn::ui
