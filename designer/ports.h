// What the designer's core asks of the world around it.
#pragma once

#include <filesystem>
#include <string>

#include "common/dialogs.h"
#include "common/picture.h"

namespace designer {

struct DesignerPorts {
  common::Dialogs& dialogs;
  common::Picture& picture;
  std::filesystem::path folder;  // the working folder of "pust.txt" and "fon1.bmp"
  std::string program_name = "Stanplan";
};

}  // namespace designer
