// The journal grid StringGrid7: 40 event rows under one heading row, newest first.
#pragma once

#include "monitor/console_form.h"

namespace monitor {

inline constexpr int kJournalRows = 40;
inline constexpr int kJournalSmsColumn = 6;  // "SMS+": the event went into the alarm SMS

// Writes the seven column headings into row 0.
void WriteJournalHeadings(ConsoleForm& form);

// Moves rows 1..39 down by one; row 40's old content is lost.
void ScrollJournal(ConsoleForm& form);

// Removes every "SMS+" mark.
void ClearSmsMarks(ConsoleForm& form);

}  // namespace monitor
