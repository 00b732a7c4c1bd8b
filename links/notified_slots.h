// The SIM slots that new-message notices named, read one after another: a notice
// waits behind the modem job in hand instead of replacing it, and its slot stays
// queued until the answer to its read has been judged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "monitor/station.h"

namespace links {

struct ModemState;

// More slots than a SIM holds messages.
inline constexpr std::size_t kNotifiedSlotsMax = 64;
// Reads of a notified slot that may end without a judged answer (no answer, an
// error, a call, a restart) before the slot is left on the SIM.
inline constexpr std::int32_t kReadTries = 3;

struct NotifiedSlot {
  std::string slot;
  std::int32_t tries = 0;  // reads that ended without a judged answer
  // The notice came while a read of the slot was on its way: that read may have
  // found the slot before the message came into it.
  bool during_read = false;
};

struct NotifiedSlots {
  std::array<NotifiedSlot, kNotifiedSlotsMax> queue;  // oldest first
  std::size_t count = 0;
};

// Queues the slot of a notice, unless it is already queued, and starts its read
// at once when no job is in hand.
void QueueNotifiedSlot(monitor::Station& st, ModemState& modem, const std::string& slot);

// Whether a notice named this slot and it has not been read whole since.
bool IsNotifiedSlot(const ModemState& modem, const std::string& slot);

// With no job in hand, the oldest queued slot becomes the queued read.
void StartNotifiedRead(monitor::Station& st, ModemState& modem);

// The answer to the read of SmsIndex was judged: its slot leaves the queue,
// unless the modem found it empty and a notice for it came during that read.
void NotifiedSlotRead(monitor::Station& st, ModemState& modem, bool empty);

// The read of SmsIndex ended without a judged answer: its slot is read again,
// until it has had kReadTries reads; then it is left on the SIM and the operator
// is told on the event panel.
void NotifiedSlotFailed(monitor::Station& st, ModemState& modem);

}  // namespace links
