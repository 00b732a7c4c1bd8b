// The operator's commands on the archive and the siren: acknowledgement, siren
// off, the archive viewer, the print preview and clearing the memo.
#pragma once

#include "monitor/station.h"

namespace monitor {

// "Сигнал принят": ends a SIM sweep, archives the acknowledgement, silences the siren.
void BitBtn22Click(Station& st);
// "Выключить сирену": silences the siren after a confirmation.
void ToolButton10Click(Station& st);
// "Открыть архив": the about page, then the viewer.
void ToolButton9Click(Station& st);
// "Просмотр, распечатка архива".
void ToolButton14Click(Station& st);
// Shows a chosen archive file in Memo2; read errors get their own box.
void ViewArchive(Station& st);
// Editor menu "Clr": empties Memo2.
void Clr1Click(Station& st);

}  // namespace monitor
