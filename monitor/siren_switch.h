// The siren switch CheckBox17 on the settings page.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Its caption follows its tick.
void CheckBox17Click(Station& st);

}  // namespace monitor
