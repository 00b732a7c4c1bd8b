// The main-cycle timer's opening steps and the one-time start-up.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Timer3: port opening until done, the start-up once, then the main cycle.
void Timer3Timer(Station& st);

// The start-up of the first tick; InitDone set as its last step.
void StartUp(Station& st);

}  // namespace monitor
