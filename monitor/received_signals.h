// Applying the signal sets that the two lines' decoders handed over.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Writes both received sets (RS485 first) into the signal table, each only while its
// channel lies in its line's range, and clears the flag of each set it applied.
void ApplyReceivedSignals(Station& st);

}  // namespace monitor
