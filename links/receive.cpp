#include "links/receive.h"

namespace links {

void Timer2Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer2.Enabled = false;
  link.Rs485RxCount = static_cast<std::int32_t>(
      st.ports.rs485.Read(link.Rs485RxBuffer.data(), link.Rs485RxBuffer.size()));
  link.ModemRxCount =
      static_cast<std::int32_t>(st.ports.modem.Read(link.ModemRxBuffer.data(), kModemRxMax));
  link.ModemRxBuffer[static_cast<std::size_t>(link.ModemRxCount)] = 0;
  st.form.Timer2.Enabled = true;
}

}  // namespace links
