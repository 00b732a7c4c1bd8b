#include "designer/background_picture.h"

#include "designer/file_dialogs.h"

namespace designer {

void OpenBackgroundPicture(Desk& d) {
  const auto chosen = ShowOpenDialog(d, d.form.OpenDialog1, "Открыть фоновый рисунок ");  // 1
  if (!chosen) return;
  d.form.Image[1].Picture = d.ports.picture.Load(d.File(*chosen).string());  // 2
  d.form.StatusBar1[0].Text = *chosen;                                       // 3
}

void N6Click(Desk& d) {
  OpenBackgroundPicture(d);
}
void ToolButton5Click(Desk& d) {
  OpenBackgroundPicture(d);
}

}  // namespace designer
