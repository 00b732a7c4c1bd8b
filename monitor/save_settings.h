// The save command of the settings tables, and the files written on their own.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Tool-bar "Запись установок": asks, then saves the signal table, the phones, the
// object names, the operator list and the balances, each to its file.
void ToolButton7Click(Station& st);
// tab5.txt: the balances and the SMS price.
void SaveBalances(Station& st);
// paut.txt: the poll pause of Edit20.
void SavePollPause(Station& st);

}  // namespace monitor
