#include "ui/netscape_folder_window.h"

#include "core/context.h"

namespace quellorn {

void frmFindNcDir::Load() {
  txtNc4Dir = NetscapeFolder(ctx_.settingsFile);
  visible_ = true;
}

frmFinddir frmFindNcDir::cmdBroswerClick() {
  frmFinddir chooser(ctx_.os.files, txtNc4Dir);
  chooser.Load();
  return chooser;
}

void frmFindNcDir::Command1Click() {
  SaveNetscapeFolder(ctx_.settingsFile, txtNc4Dir);
  visible_ = false;
}

}  // namespace quellorn
