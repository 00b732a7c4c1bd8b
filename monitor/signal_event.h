// What the main cycle does for a signal row whose status changed.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Operator as the event line and the journal write it: "  ???  " while nobody is chosen.
std::string EventOperator(const ConsoleForm& form);

// Journals and archives the change of row r, and raises the alarm on an off-to-on change.
void HandleSignalEvent(Station& st, int row);

}  // namespace monitor
