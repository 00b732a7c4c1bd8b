// The modem's answer to a read of a SIM slot ("AT+CMGR="), collected over as many
// receive ticks as its bytes take, and judged once it is whole.
#pragma once

#include <cstdint>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// The read command has gone out: what arrives from now on is collected afresh.
void StartReadAnswer(LinkState& link);

// Adds this tick's read (ModemRxCopy, n bytes) while the job is Reading, leaving
// out the lines the modem puts out by itself. Once the read's final result has
// come, a message before it is judged by the read-back step; the modem saying the
// slot is empty ends the job, and nothing is deleted; an error, or an answer that
// may not be this read's, ends it unjudged.
void CollectReadAnswer(monitor::Station& st, LinkState& link, std::int32_t n);

// The modem said the slot of the read in hand is empty: the job ends, and
// nothing is deleted.
void EndReadOfEmptySlot(monitor::Station& st, LinkState& link);

}  // namespace links
