// The SMS charges: the price of every received SMS report, booked against the
// balance of the object that sent it.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Books one SMS price against the channel held in SmsChargeQueue[slot], and empties the slot.
void ChargeSmsCost(Station& st, int slot);

}  // namespace monitor
