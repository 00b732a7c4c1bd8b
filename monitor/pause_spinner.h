// The spinner UpDown1 beside Edit20, the pause between RS485 requests.
#pragma once

#include "common/controls.h"
#include "monitor/station.h"

namespace monitor {

// Counts on by one from the whole number shown in Edit20 (blanks around it
// allowed), or from the spinner's last position when the text is no such number,
// never below the spinner's minimum, and shows the result in Edit20.
void StepPauseSpinner(Station& st, common::SpinButton button);

}  // namespace monitor
