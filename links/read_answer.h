// The modem's answer to a read of a SIM slot ("AT+CMGR="), collected over as many
// receive ticks as its bytes take, and judged once it is whole.
#pragma once

#include <cstdint>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// The read command has gone out: what arrives from now on is collected afresh.
void StartReadAnswer(LinkState& link);

// Adds this tick's read (ModemRxCopy, n bytes) while the job is Reading. Once the
// modem's final result has come, a message before it is judged by the read-back
// step; a final result with no message ends the job, and nothing is deleted.
void CollectReadAnswer(monitor::Station& st, LinkState& link, std::int32_t n);

// Timer6: a read the modem has not answered by the second tick after it went out
// ends; nothing is deleted, and the sweep and the control SMS go on.
void EndUnansweredRead(LinkState& link);

}  // namespace links
