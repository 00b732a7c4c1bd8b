// The alarm SMS to the support phones, as the main cycle arms and cancels it.
#pragma once

#include "monitor/station.h"

namespace monitor {

// An entry is added to the alarm text only while the text is shorter than this
// many characters, so the text never grows past 131.
inline constexpr int kAlarmTextLimit = 120;

// Drops the pending alarm SMS and every "SMS+" mark in the journal. Leaves the siren.
void CancelAlarmSms(Station& st);

}  // namespace monitor
