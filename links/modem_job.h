// The one pending modem job (ModemRequest), sent by Timer1: the read or the
// deletion of SIM slot SmsIndex.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Starts the read of the oldest notified slot when no job is in hand, then sends a
// queued read or deletion; not while the modem waits for an SMS text.
void DispatchModemJob(monitor::Station& st, LinkState& link);

}  // namespace links
