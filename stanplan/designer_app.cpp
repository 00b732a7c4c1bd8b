#include "stanplan/designer_app.h"

#include <utility>

#include "designer/apply_button.h"
#include "designer/background_picture.h"
#include "designer/blink.h"
#include "designer/create_settings_file.h"
#include "designer/exit_command.h"
#include "designer/read_settings_file.h"
#include "designer/spinners.h"
#include "designer/write_settings_file.h"
#include "stanplan/ticks.h"

namespace stanplan {

using designer::Desk;

DesignerApp::DesignerApp(designer::DesignerPorts ports)
    : Dispatcher(ports.dialogs, ports.program_name), desk_(std::move(ports)) {
  for (const Tick& tick : kTicks) {
    AddTimer(desk_.form.*tick.timer, [this, handler = tick.handler] { handler(desk_); });
  }

  using DeskHandler = void (*)(Desk&);
  const std::pair<const char*, DeskHandler> clicks[] = {
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
  for (const auto& [name, handler] : clicks) {
    AddClick(name, [this, handler = handler] { handler(desk_); });
  }

  // A spinner steps the number in its edit field; its click follows when the number changed.
  const auto spinner = [this](designer::TUpDown& updown, designer::TEdit& edit, DeskHandler click) {
    return [this, &updown, &edit, click](common::SpinButton button) {
      if (designer::StepUpDown(updown, edit, button)) click(desk_);
    };
  };
  designer::DesignerForm& f = desk_.form;
  AddSpin("UpDown1", spinner(f.UpDown1, f.Edit1, designer::UpDown1Click));
  AddSpin("UpDown2", spinner(f.UpDown2, f.Edit2, designer::UpDown2Click));
  AddSpin("UpDown3", spinner(f.UpDown3, f.Edit3, designer::UpDown3Click));
}

}  // namespace stanplan
