#include "ui/netscape_folder_window.h"

#include "core/context.h"

namespace quellorn {

void frmFindNcDir::Load() {
  txtNc4Dir = ctx_.settingsFile.GetSetting("browser", "nc4dir");
  visible_ = true;
}

frmFinddir frmFindNcDir::cmdBroswerClick() {
  frmFinddir chooser(ctx_.os.files, txtNc4Dir);
  chooser.Load();
  return chooser;
}

void frmFindNcDir::Command1Click() {
  ctx_.settingsFile.SaveSetting("Browser", "nc4dir", txtNc4Dir);
  visible_ = false;
}

}  // namespace quellorn
