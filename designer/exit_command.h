// The exit command of the tool bar and the menu.
#pragma once

#include "designer/desk.h"

namespace designer {

// Asks; on OK the program ends. Nothing is saved.
void BitBtn2Click(Desk& d);
void N3Click(Desk& d);

}  // namespace designer
