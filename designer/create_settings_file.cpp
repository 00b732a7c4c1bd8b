#include "designer/create_settings_file.h"

#include "common/plan_settings_file.h"

namespace designer {
namespace {

void CreateSettingsFile(Desk& d) {
  if (!d.ports.dialogs.Confirm("Старые установки будут стерты", "Создать новый файл",
                               common::BoxIcon::Information)) {
    return;
  }
  common::WritePlanSettingsFile(d.File(kWorkingSettingsFile), common::DefaultPlanMarkers());
  d.state.SettingsLoaded = false;
  // A failed start-up load left Timer3 stopped; the new load must come all the same.
  d.form.Timer3.Enabled = true;
}

}  // namespace

void N9Click(Desk& d) {
  CreateSettingsFile(d);
}
void ToolButton1Click(Desk& d) {
  CreateSettingsFile(d);
}

}  // namespace designer
