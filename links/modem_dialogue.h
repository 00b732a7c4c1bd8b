// The modem dialogue: the response recogniser, the one pending modem job, the SIM
// sweep, and the commands of the "Модем" and "Сервис" menus.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Timer1's job dispatch.
void DispatchModemJob(monitor::Station& st, LinkState& link);
// Timer2's modem steps on a read of at least one byte: the recogniser, the
// new-message scan, the SMS read-back, the closing steps.
void RecogniseModemAnswer(monitor::Station& st, LinkState& link);
// Timer6: the SIM inbox sweep.
void Timer6Timer(monitor::Station& st, LinkState& link);

// Menu commands.
void SMS2Click(monitor::Station& st, LinkState& link);
void SMS3Click(monitor::Station& st, LinkState& link);
void N17Click(monitor::Station& st, LinkState& link);
void N18Click(monitor::Station& st, LinkState& link);
void AT1Click(monitor::Station& st, LinkState& link);
void N7Click(monitor::Station& st, LinkState& link);
void N8Click(monitor::Station& st, LinkState& link);
void ReadSMS1Click(monitor::Station& st, LinkState& link);
void N19Click(monitor::Station& st, LinkState& link);

}  // namespace links
