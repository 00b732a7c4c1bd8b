// "Записать файл установок": columns 1 and 2 of grid rows 1..16 into the
// file the user picks, as the 32 lines of a plan settings file.
#pragma once

#include "designer/desk.h"

namespace designer {

// The cells go out verbatim, whatever they hold; the markers are not consulted.
// Throws PlatformError when the file cannot be written.
void N8Click(Desk& d);
void ToolButton4Click(Desk& d);

}  // namespace designer
