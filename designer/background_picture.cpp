#include "designer/background_picture.h"

#include "designer/file_dialogs.h"

namespace designer {
namespace {

void OpenBackgroundPicture(Desk& d) {
  const auto chosen = ShowOpenDialog(d, d.form.OpenDialog1, "Открыть фоновый рисунок ");
  if (!chosen) return;
  d.form.Image[kBackgroundImage].Picture = d.ports.picture.Load(d.File(*chosen).string());
  d.form.StatusBar1[kPictureFilePanel].Text = *chosen;
}

}  // namespace

void N6Click(Desk& d) {
  OpenBackgroundPicture(d);
}
void ToolButton5Click(Desk& d) {
  OpenBackgroundPicture(d);
}

}  // namespace designer
