// Timer3, every 251 ms: the main-cycle timer.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Opens the ports until done, runs the start-up once, takes up the settings files
// mended since they failed, then one pass of the main cycle.
void Timer3Timer(Station& st);

}  // namespace monitor
