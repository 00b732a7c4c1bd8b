// The start-up load of the settings files into the window's tables.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Loads every settings file, writing defaults for missing ones, and reports a low
// balance once. A file that cannot be loaded is shown once and left for
// TakeUpMendedFiles; the load goes on with the next file.
void LoadSettings(Station& st);

}  // namespace monitor
