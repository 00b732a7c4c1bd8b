// One pass of the main cycle, every Timer3 tick.
#pragma once

#include "monitor/station.h"

namespace monitor {

void RunMainCycle(Station& st);

}  // namespace monitor
