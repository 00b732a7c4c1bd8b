// Showing the window's file dialogs: each gets its title and the working folder,
// where the plan files and pictures are, as its starting folder, proposes the
// file and filter entry last chosen in it, and remembers those chosen now.
#pragma once

#include <optional>
#include <string>

#include "designer/desk.h"

namespace designer {

// The chosen file name as the dialog returns it, or nothing on Cancel.
std::optional<std::string> ShowOpenDialog(Desk& d, TFileDialog& dialog, const std::string& title);
std::optional<std::string> ShowSaveDialog(Desk& d, TFileDialog& dialog, const std::string& title);

}  // namespace designer
