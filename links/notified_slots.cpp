#include "links/notified_slots.h"

#include <algorithm>

#include "common/clock.h"
#include "links/modem_state.h"

namespace links {
namespace {

// Where the slot stands in the queue; count when it is not queued.
std::size_t IndexOf(const NotifiedSlots& waiting, const std::string& slot) {
  const auto end = waiting.queue.begin() + static_cast<std::ptrdiff_t>(waiting.count);
  const auto it = std::find_if(waiting.queue.begin(), end,
                               [&](const NotifiedSlot& queued) { return queued.slot == slot; });
  return static_cast<std::size_t>(it - waiting.queue.begin());
}

NotifiedSlot* Find(NotifiedSlots& waiting, const std::string& slot) {
  const std::size_t at = IndexOf(waiting, slot);
  return at == waiting.count ? nullptr : &waiting.queue[at];
}

void Remove(NotifiedSlots& waiting, NotifiedSlot* slot) {
  const auto end = waiting.queue.begin() + static_cast<std::ptrdiff_t>(waiting.count);
  std::move(waiting.queue.begin() + (slot - waiting.queue.data()) + 1, end,
            waiting.queue.begin() + (slot - waiting.queue.data()));
  --waiting.count;
}

}  // namespace

bool IsNotifiedSlot(const ModemState& modem, const std::string& slot) {
  return IndexOf(modem.notified, slot) != modem.notified.count;
}

void QueueNotifiedSlot(monitor::Station& st, ModemState& modem, const std::string& slot) {
  NotifiedSlots& waiting = modem.notified;
  NotifiedSlot* queued = Find(waiting, slot);
  if (queued == nullptr && waiting.count < waiting.queue.size()) {
    queued = &waiting.queue[waiting.count++];
    *queued = {slot, 0, false};
  }
  if (queued != nullptr && modem.ModemRequest == ModemJob::Reading && st.state.SmsIndex == slot) {
    queued->during_read = true;
  }
  StartNotifiedRead(st, modem);
}

void StartNotifiedRead(monitor::Station& st, ModemState& modem) {
  if (modem.ModemRequest != ModemJob::Idle || modem.notified.count == 0) return;
  st.state.SmsIndex = modem.notified.queue[0].slot;
  modem.ModemRequest = ModemJob::ReadQueued;
  st.form.Timer1.Enabled = true;
}

void NotifiedSlotRead(monitor::Station& st, ModemState& modem, bool empty) {
  NotifiedSlot* read = Find(modem.notified, st.state.SmsIndex);
  if (read == nullptr) return;
  if (empty && read->during_read) {
    *read = {read->slot, 0, false};  // its message came after: it is read again
    return;
  }
  Remove(modem.notified, read);
}

void NotifiedSlotFailed(monitor::Station& st, ModemState& modem) {
  NotifiedSlot* failed = Find(modem.notified, st.state.SmsIndex);
  if (failed == nullptr || ++failed->tries < kReadTries) return;
  st.form.StatusBar1[monitor::kEventPanel].Text =
      common::FormatDateTime(st.ports.clock.Now()) + " Не прочитано SMS " + failed->slot;
  Remove(modem.notified, failed);
}

}  // namespace links
