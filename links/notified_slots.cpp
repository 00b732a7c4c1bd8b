#include "links/notified_slots.h"

#include <algorithm>

namespace links {

void QueueNotifiedSlot(monitor::Station& st, NotifiedSlots& waiting, const std::string& slot) {
  const auto end = waiting.slots.begin() + static_cast<std::ptrdiff_t>(waiting.count);
  const bool queued = std::find(waiting.slots.begin(), end, slot) != end;
  const bool about_to_read = st.state.ModemRequest == "newsms" && st.state.SmsIndex == slot;
  if (!queued && !about_to_read && waiting.count < waiting.slots.size()) {
    waiting.slots[waiting.count++] = slot;
  }
  StartNotifiedRead(st, waiting);
}

void StartNotifiedRead(monitor::Station& st, NotifiedSlots& waiting) {
  if (!st.state.ModemRequest.empty() || waiting.count == 0) return;
  st.state.SmsIndex = waiting.slots[0];
  st.state.ModemRequest = "newsms";
  st.form.Timer1.Enabled = true;
  std::move(waiting.slots.begin() + 1,
            waiting.slots.begin() + static_cast<std::ptrdiff_t>(waiting.count),
            waiting.slots.begin());
  --waiting.count;
}

}  // namespace links
