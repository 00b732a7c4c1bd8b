#include "links/receive.h"

#include "links/modem_dialogue.h"
#include "links/rs485_poll.h"

namespace links {

void Timer2Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer2.Enabled = false;
  link.Rs485RxCount = static_cast<std::int32_t>(
      st.ports.rs485.Read(link.Rs485RxBuffer.data(), link.Rs485RxBuffer.size()));
  if (link.Rs485RxCount > 0) DecodeRs485Answer(st, link);
  link.ModemRxCount =
      static_cast<std::int32_t>(st.ports.modem.Read(link.ModemRxBuffer.data(), kModemRxMax));
  link.ModemRxBuffer[static_cast<std::size_t>(link.ModemRxCount)] = 0;
  if (link.ModemRxCount > 0) RecogniseModemAnswer(st, link);
  st.form.Timer2.Enabled = true;
}

}  // namespace links
