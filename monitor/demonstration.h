// The demonstration mode: on every sixth Timer4 tick it switches one signal of
// channel 16 in the signal table, signals 1 to 16 in turn, and the main cycle
// takes the change as a received one.
#pragma once

#include "monitor/station.h"

namespace monitor {

// One step: channel 16 counts as just heard, and the signal after the cursor
// (ChannelStamp[16]) is switched.
void DemonstrationStep(Station& st);

// "Деморежим" > "Пуск": asks when no operator is chosen, shows channel 16's plan
// and starts the steps.
void N15Click(Station& st);
// "Деморежим" > "Стоп".
void N16Click(Station& st);

}  // namespace monitor
