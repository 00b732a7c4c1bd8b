#include "links/timer2_timer.h"

#include <algorithm>

#include "links/modem_recogniser.h"
#include "links/rs485_poll.h"

namespace links {
namespace {

// This tick's modem read: the bytes that waited from the last tick, then what has
// arrived, at most as many as the recogniser examines. A longer run is cut after
// its last line feed within that many, so that no answer line is split; the rest
// waits for the next tick.
void TakeModemRead(monitor::Station& st, LinkState& link) {
  auto& waiting = link.ModemRxWaiting;
  auto& count = link.ModemRxWaitingCount;
  const auto room = waiting.size() - static_cast<std::size_t>(count);
  if (room > 0) {
    count += static_cast<std::int32_t>(st.ports.modem.Read(waiting.data() + count, room));
  }
  std::int32_t take = std::min(count, kModemExamineMax);
  if (count > kModemExamineMax) {
    for (std::int32_t end = take; end > 0; --end) {
      if (waiting[static_cast<std::size_t>(end - 1)] == '\n') {
        take = end;
        break;
      }
    }
  }
  std::copy_n(waiting.begin(), take, link.ModemRxBuffer.begin());
  link.ModemRxBuffer[static_cast<std::size_t>(take)] = 0;
  link.ModemRxCount = take;
  std::copy(waiting.begin() + take, waiting.begin() + count, waiting.begin());
  count -= take;
}

}  // namespace

void Timer2Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer2.Enabled = false;
  link.Rs485RxCount = static_cast<std::int32_t>(
      st.ports.rs485.Read(link.Rs485RxBuffer.data(), link.Rs485RxBuffer.size()));
  if (link.Rs485RxCount > 0) DecodeRs485Answer(st, link);
  TakeModemRead(st, link);
  if (link.ModemRxCount > 0) RecogniseModemAnswer(st, link);
  st.form.Timer2.Enabled = true;
}

}  // namespace links
