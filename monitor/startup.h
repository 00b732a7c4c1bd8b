// The one-time start-up on the first main-cycle tick.
#pragma once

#include "monitor/station.h"

namespace monitor {

// The siren sound: opened at start-up when it exists, played by the siren.
inline constexpr const char* kSirenSoundFile = "avaria.wav";

// Loads the settings, channel 1's plan and the siren sound, greets the modem and
// sets the link ages; InitDone is set as its last step.
void StartUp(Station& st);

}  // namespace monitor
