// The RS485 poll: request frames to addresses 1..4 in turn, answer decoding, start and stop.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Timer1's poll step: builds and hands over the next request while polling runs.
void PollStep(monitor::Station& st, LinkState& link);
// Timer1's closing steps: the poll state in panel 2, the interval from Edit20, Timer1 on.
void FinishPollTick(monitor::Station& st, LinkState& link);
// Timer2's first step: decodes the RS485 bytes of this tick.
void DecodeRs485Answer(monitor::Station& st, LinkState& link);
// "Пуск RS485" and "Стоп RS485".
void BitBtn20Click(monitor::Station& st, LinkState& link);
void BitBtn21Click(monitor::Station& st, LinkState& link);

}  // namespace links
