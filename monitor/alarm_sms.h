// The alarm SMS to the support phones, as the main cycle arms and cancels it.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Drops the pending alarm SMS and every "SMS+" mark in the journal. Leaves the siren.
void CancelAlarmSms(Station& st);

}  // namespace monitor
