// The alarm SMS schedule: on fixed Timer5 steps after arming, the alarm text goes
// to support phone 1 (steps 50, 55) and support phone 2 (steps 95, 98).
#pragma once

#include <string>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// The transliterated alarm text, cut after its last whole entry that fits the
// modem output buffer.
std::string AlarmSmsBody(const std::string& alarm_text);

// Timer5's schedule step, while the alarm SMS is armed.
void RunAlarmSchedule(monitor::Station& st, LinkState& link);

}  // namespace links
