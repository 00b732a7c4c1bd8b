// The SIM slots that new-message notices named, read one after another: a notice
// waits behind the modem job in hand instead of replacing it.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "monitor/station.h"

namespace links {

struct ModemState;

// More slots than a SIM holds messages.
inline constexpr std::size_t kNotifiedSlotsMax = 64;

struct NotifiedSlots {
  std::array<std::string, kNotifiedSlotsMax> queue;  // oldest first
  std::size_t count = 0;
};

// Queues the slot of a notice, unless it is already waiting to be read, and
// starts its read at once when no job is in hand.
void QueueNotifiedSlot(monitor::Station& st, ModemState& modem, const std::string& slot);

// With no job in hand, the oldest waiting slot becomes the queued read.
void StartNotifiedRead(monitor::Station& st, ModemState& modem);

}  // namespace links
