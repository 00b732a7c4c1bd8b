// The modem's answers as Timer2 recognises them: answer tests at fixed byte
// positions, the last line, the new-message notices, and the read-back of a SIM
// message.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Examines this tick's modem read (ModemRxBuffer, ModemRxCount bytes).
void RecogniseModemAnswer(monitor::Station& st, LinkState& link);

}  // namespace links
