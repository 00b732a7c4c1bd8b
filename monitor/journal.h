// The journal grid StringGrid7: 40 event rows under one heading row, newest first.
#pragma once

#include "monitor/console_form.h"

namespace monitor {

// Writes the seven column headings into row 0.
void WriteJournalHeadings(ConsoleForm& form);

}  // namespace monitor
