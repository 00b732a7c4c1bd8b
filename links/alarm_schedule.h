// The alarm SMS schedule: on fixed Timer5 steps after arming, the alarm text goes
// to support phone 1 and then to support phone 2, each as a command line and,
// a few ticks later, the text.
#pragma once

#include <cstdint>
#include <string>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Steps of the schedule, counted in Timer5 ticks (2.5 s) from its arming.
inline constexpr std::int32_t kSweepHoldStep = 45;  // from here on the SIM sweep waits
inline constexpr std::int32_t kPhone1CommandStep = 50;
inline constexpr std::int32_t kPhone1TextStep = 55;
inline constexpr std::int32_t kPhone2CommandStep = 95;
inline constexpr std::int32_t kPhone2TextStep = 98;
// Where phone 1's text step moves the schedule when phone 2 is not set.
inline constexpr std::int32_t kNoPhone2Step = 99;
inline constexpr std::int32_t kLastStep = 100;  // the schedule ends on the tick after it

// The transliterated alarm text, cut after its last whole entry that fits the
// modem output buffer.
std::string AlarmSmsBody(const std::string& alarm_text);

// Timer5's schedule step, while the alarm SMS is armed.
void RunAlarmSchedule(monitor::Station& st, LinkState& link);

// "Отменить SMS": drops the alarm SMS and silences the siren.
void BitBtn17Click(monitor::Station& st, LinkState& link);

}  // namespace links
