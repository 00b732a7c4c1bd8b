// Timer2: every 101 ms, take what has arrived on both lines and decode it.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

void Timer2Timer(monitor::Station& st, LinkState& link);

}  // namespace links
