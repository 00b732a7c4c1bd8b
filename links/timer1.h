// Timer1: the RS485 poll and the modem job dispatch.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

void Timer1Timer(monitor::Station& st, LinkState& link);

}  // namespace links
