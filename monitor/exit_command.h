// The exit command of the menu and the tool bar.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Asks; on OK saves the poll pause and asks the program to end.
void N6Click(Station& st);
void BitBtn18Click(Station& st);

}  // namespace monitor
