// The start-up load on the ticks of Timer3: grid headings, "fon1.bmp",
// "pust.txt" into the grid and the markers, until it has been completed once.
#pragma once

#include "designer/desk.h"

namespace designer {

// Timer3, every 1000 ms: the load while SettingsLoaded is false, then nothing.
// A failed load leaves the timer stopped, so its error is shown once.
void Timer3Timer(Desk& d);

// The load itself; SettingsLoaded := true as its last step. Throws PlatformError.
void LoadStartUpSettings(Desk& d);

}  // namespace designer
