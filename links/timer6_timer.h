// Timer6, every 5005 ms: the SIM inbox sweep.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Gives up answers the modem has owed too long (the job in hand ends without its
// answer), starts a sweep after a long idle spell, and queues the read of the
// sweep's next slot while the modem is free.
void Timer6Timer(monitor::Station& st, LinkState& link);

}  // namespace links
