#include "ui/netscape_folder_chooser.h"

namespace quellorn::ui {

void NetscapeFolderChooser::Load() {
  Reset();
  closed_ = false;
}

void NetscapeFolderChooser::OnOk() {
  *target_ = folder();
  closed_ = true;
}

}  // namespace quellorn::ui
