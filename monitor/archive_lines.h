// The three kinds of line in the daily archive, and appending one.
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

// Appends one line to today's archive file (ArchiveFileName): open, write, flush, close.
void AppendToArchive(Station& st, const std::string& line);

}  // namespace monitor
