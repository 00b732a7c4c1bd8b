// The modem commands of the "Модем" and "Сервис" menus.
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// "Сервис": read a slot, delete a slot, read and write phone-book entry 1.
void SMS2Click(monitor::Station& st, LinkState& link);
void SMS3Click(monitor::Station& st, LinkState& link);
void N17Click(monitor::Station& st, LinkState& link);
void N18Click(monitor::Station& st, LinkState& link);
// "Модем": "AT", echo off, reset, sweep the SIM, a command typed by the operator.
void AT1Click(monitor::Station& st, LinkState& link);
void N7Click(monitor::Station& st, LinkState& link);
void N8Click(monitor::Station& st, LinkState& link);
void ReadSMS1Click(monitor::Station& st, LinkState& link);
void N19Click(monitor::Station& st, LinkState& link);

}  // namespace links
