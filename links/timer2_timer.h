// Timer2, every 101 ms: what has arrived on both lines, decoded.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// The RS485 bytes and their answer decoding first, then the modem's read and its
// recogniser.
void Timer2Timer(monitor::Station& st, LinkState& link);

}  // namespace links
