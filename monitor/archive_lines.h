// The kinds of line in the daily archive, and appending one.
#pragma once

#include <string>

#include "monitor/station.h"

namespace monitor {

// date-time, " ", operator, ",   ", object, "  ", address, " ", status word, "    ", description
std::string EventLine(const std::string& date_time, const std::string& operator_name,
                      const std::string& object, const std::string& address,
                      const std::string& status_word, const std::string& description);

// date-time, " ", operator as shown, "     Сигнал принят !!! "
std::string AcknowledgementLine(const std::string& date_time, const std::string& operator_text);

// date-time, " Отправлен SMS запрос на телефон поддержки : ", phone
std::string AlarmSmsLine(const std::string& date_time, const std::string& phone);

// The same for an alarm SMS whose bytes did not all go out: " Не отправлен ..."
std::string AlarmSmsNotSentLine(const std::string& date_time, const std::string& phone);

// Appends one line to today's archive file (ArchiveFileName): open, write, flush,
// close. Every archive line goes through here. A line that cannot be written is
// held, and so is every line after it, until the archive can be written again:
// then they are appended in order, each once and whole. The error is shown once
// for the whole fault, and the caller goes on.
void AppendToArchive(Station& st, const std::string& line);

// Appends the held lines that can be written now. PrepareDailyArchive calls it,
// so they go out on the first main-cycle pass that can write them.
void WriteHeldArchiveLines(Station& st);

// A write of the archive has succeeded: with no line held any more, the fault is over.
void ArchiveWriteSucceeded(Station& st);

// A write of the archive has failed: the error is shown unless the fault was already on.
void ArchiveWriteFailed(Station& st, const std::string& error);

}  // namespace monitor
