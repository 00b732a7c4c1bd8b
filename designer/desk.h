// The designer's core: its window as data, its module state and its ports.
// Every handler is a free function over a Desk.
#pragma once

#include <filesystem>
#include <string>

#include "designer/designer_form.h"
#include "designer/designer_state.h"
#include "designer/ports.h"

namespace designer {

// The working plan settings file and the start-up background, in the working folder.
inline constexpr const char* kWorkingSettingsFile = "pust.txt";
inline constexpr const char* kStartPictureFile = "fon1.bmp";

struct Desk {
  explicit Desk(DesignerPorts p) : form(MakeDesignerForm()), ports(std::move(p)) {}

  DesignerForm form;
  DesignerState state;
  DesignerPorts ports;

  // A file of the working folder; a full path stays as it is.
  std::filesystem::path File(const std::string& name) const { return ports.folder / name; }
};

}  // namespace designer
