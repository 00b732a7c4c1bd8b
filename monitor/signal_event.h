// What the main cycle does for a signal row whose status changed.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Journals and archives the change of row r, and raises the alarm on an off-to-on change.
void HandleSignalEvent(Station& st, int row);

}  // namespace monitor
