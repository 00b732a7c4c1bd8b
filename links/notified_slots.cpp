#include "links/notified_slots.h"

#include <algorithm>

#include "links/modem_state.h"

namespace links {

void QueueNotifiedSlot(monitor::Station& st, ModemState& modem, const std::string& slot) {
  NotifiedSlots& waiting = modem.notified;
  const auto end = waiting.queue.begin() + static_cast<std::ptrdiff_t>(waiting.count);
  const bool queued = std::find(waiting.queue.begin(), end, slot) != end;
  const bool about_to_read =
      modem.ModemRequest == ModemJob::ReadQueued && st.state.SmsIndex == slot;
  if (!queued && !about_to_read && waiting.count < waiting.queue.size()) {
    waiting.queue[waiting.count++] = slot;
  }
  StartNotifiedRead(st, modem);
}

void StartNotifiedRead(monitor::Station& st, ModemState& modem) {
  NotifiedSlots& waiting = modem.notified;
  if (modem.ModemRequest != ModemJob::Idle || waiting.count == 0) return;
  st.state.SmsIndex = waiting.queue[0];
  modem.ModemRequest = ModemJob::ReadQueued;
  st.form.Timer1.Enabled = true;
  std::move(waiting.queue.begin() + 1,
            waiting.queue.begin() + static_cast<std::ptrdiff_t>(waiting.count),
            waiting.queue.begin());
  --waiting.count;
}

}  // namespace links
