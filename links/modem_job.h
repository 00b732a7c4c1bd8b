// The one pending modem job (ModemRequest), sent by Timer1: the read or the
// deletion of SIM slot SmsIndex, each only while the modem is in step, and each
// ended by its own answer.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Deletes that may go out without being done before the message is left on the SIM.
inline constexpr std::int32_t kDeleteTries = 3;

// Takes the operator's job or the oldest notified slot when no job is in hand,
// then sends a queued read or deletion once the modem is in step; a probe first
// when it is not. Nothing while the modem waits for an SMS text.
void DispatchModemJob(monitor::Station& st, LinkState& link);

// The read in hand ended without a judged answer: the job ends, and a notified
// slot is read again later.
void EndReadUnjudged(monitor::Station& st, LinkState& link);

// The modem's answer to the delete in hand: done, or sent again.
void DeleteAnswered(monitor::Station& st, LinkState& link, bool ok);

// The command of the job in hand will get no answer (given up, the line opened
// anew, the modem restarted): a read ends unjudged, a delete goes again.
void JobLostItsAnswer(monitor::Station& st, LinkState& link);

}  // namespace links
