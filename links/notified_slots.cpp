#include "links/notified_slots.h"

#include <algorithm>

#include "common/clock.h"
#include "links/modem_state.h"

namespace links {
namespace {

NotifiedSlot* Find(NotifiedSlots& waiting, const std::string& slot) {
  const auto end = waiting.queue.begin() + static_cast<std::ptrdiff_t>(waiting.count);
  const auto it = std::find_if(waiting.queue.begin(), end,
                               [&](const NotifiedSlot& queued) { return queued.slot == slot; });
  return it == end ? nullptr : &*it;
}

void Remove(NotifiedSlots& waiting, NotifiedSlot* slot) {
  const auto end = waiting.queue.begin() + static_cast<std::ptrdiff_t>(waiting.count);
  std::move(waiting.queue.begin() + (slot - waiting.queue.data()) + 1, end,
            waiting.queue.begin() + (slot - waiting.queue.data()));
  --waiting.count;
}

}  // namespace

void QueueNotifiedSlot(monitor::Station& st, ModemState& modem, const std::string& slot) {
  NotifiedSlots& waiting = modem.notified;
  if (Find(waiting, slot) == nullptr && waiting.count < waiting.queue.size()) {
    waiting.queue[waiting.count++] = {slot, 0};
  }
  StartNotifiedRead(st, modem);
}

void StartNotifiedRead(monitor::Station& st, ModemState& modem) {
  if (modem.ModemRequest != ModemJob::Idle || modem.notified.count == 0) return;
  st.state.SmsIndex = modem.notified.queue[0].slot;
  modem.ModemRequest = ModemJob::ReadQueued;
  st.form.Timer1.Enabled = true;
}

void NotifiedSlotRead(monitor::Station& st, ModemState& modem) {
  if (NotifiedSlot* read = Find(modem.notified, st.state.SmsIndex)) Remove(modem.notified, read);
}

void NotifiedSlotFailed(monitor::Station& st, ModemState& modem) {
  NotifiedSlot* failed = Find(modem.notified, st.state.SmsIndex);
  if (failed == nullptr || ++failed->tries < kReadTries) return;
  st.form.StatusBar1[monitor::kEventPanel].Text =
      common::FormatDateTime(st.ports.clock.Now()) + " Не прочитано SMS " + failed->slot;
  Remove(modem.notified, failed);
}

}  // namespace links
