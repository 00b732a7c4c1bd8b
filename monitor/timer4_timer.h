// Timer4, every 401 ms once a plan has been shown: the markers of the signals that
// are on blink, the others stay hidden, and every sixth tick takes a step of the
// demonstration while it runs.
#pragma once

#include "monitor/station.h"

namespace monitor {

void Timer4Timer(Station& st);

}  // namespace monitor
