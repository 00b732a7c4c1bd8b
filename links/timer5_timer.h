// Timer5, every 2501 ms once an alarm or an output command has switched it on:
// SMS sending and the siren.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Closes an abandoned SMS prompt, then the control SMS, the alarm SMS schedule
// and the siren.
void Timer5Timer(monitor::Station& st, LinkState& link);

}  // namespace links
