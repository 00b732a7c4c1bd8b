// The start-up load on the ticks of Timer3: grid headings, "fon1.bmp",
// "pust.txt" into the grid and the markers, until it has been completed once.
#pragma once

#include "designer/desk.h"

namespace designer {

// Timer3, every 1000 ms: the load while SettingsLoaded is false, then nothing.
// SettingsLoaded becomes true as the load's last step. A failed load throws
// PlatformError and leaves the timer stopped, so its error is shown once.
void Timer3Timer(Desk& d);

}  // namespace designer
