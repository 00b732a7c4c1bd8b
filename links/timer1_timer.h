// Timer1, every poll pause once switched on: the RS485 poll and the modem job.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// The next RS485 request while polling runs, then the pending modem job, then the
// poll state in its panel and the interval from the poll pause.
void Timer1Timer(monitor::Station& st, LinkState& link);

}  // namespace links
