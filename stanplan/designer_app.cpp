#include "stanplan/designer_app.h"

#include <exception>

#include "common/platform_error.h"
#include "designer/apply_button.h"
#include "designer/background_picture.h"
#include "designer/blink.h"
#include "designer/create_settings_file.h"
#include "designer/exit_command.h"
#include "designer/read_settings_file.h"
#include "designer/startup_load.h"
#include "designer/write_settings_file.h"

namespace stanplan {

DesignerApp::DesignerApp(designer::DesignerPorts ports) : desk_(std::move(ports)) {
  timers_.Add(desk_.form.Timer3, [this] { Run([this] { designer::Timer3Timer(desk_); }); });
  timers_.Add(desk_.form.Timer4, [this] { Run([this] { designer::Timer4Timer(desk_); }); });

  click_handlers_ = {
      {"ToolButton1", designer::ToolButton1Click},
      {"N9", designer::N9Click},
      {"ToolButton5", designer::ToolButton5Click},
      {"N6", designer::N6Click},
      {"ToolButton2", designer::ToolButton2Click},
      {"N7", designer::N7Click},
      {"ToolButton4", designer::ToolButton4Click},
      {"N8", designer::N8Click},
      {"N4", designer::N4Click},
      {"N5", designer::N5Click},
      {"BitBtn2", designer::BitBtn2Click},
      {"N3", designer::N3Click},
      {"BitBtn1", designer::BitBtn1Click},
  };
  designer::DesignerForm& f = desk_.form;
  spinners_ = {
      {"UpDown1", {&f.UpDown1, &f.Edit1, designer::UpDown1Click}},
      {"UpDown2", {&f.UpDown2, &f.Edit2, designer::UpDown2Click}},
      {"UpDown3", {&f.UpDown3, &f.Edit3, designer::UpDown3Click}},
  };
}

bool DesignerApp::Click(const std::string& control) {
  const auto found = click_handlers_.find(control);
  if (found == click_handlers_.end()) return false;
  Run([this, handler = found->second] { handler(desk_); });
  return true;
}

bool DesignerApp::HasClickHandler(const std::string& control) const {
  return click_handlers_.count(control) != 0;
}

bool DesignerApp::Spin(const std::string& spinner, designer::SpinButton button) {
  const auto found = spinners_.find(spinner);
  if (found == spinners_.end()) return false;
  const Spinner& s = found->second;
  if (designer::StepUpDown(*s.updown, *s.edit, button))
    Run([this, click = s.click] { click(desk_); });
  return true;
}

void DesignerApp::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    desk_.ports.dialogs.Inform(common::ErrorBoxText(e.what()),
                               common::ErrorBoxCaption(desk_.ports.program_name),
                               common::BoxIcon::Error);
  }
}

}  // namespace stanplan
