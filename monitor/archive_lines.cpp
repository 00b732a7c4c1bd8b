#include "monitor/archive_lines.h"

#include "common/line_file.h"

namespace monitor {

std::string EventLine(const std::string& date_time, const std::string& operator_name,
                      const std::string& object, const std::string& address,
                      const std::string& status_word, const std::string& description) {
  return date_time + " " + operator_name + ",   " + object + "  " + address + " " + status_word +
         "    " + description;
}

std::string AcknowledgementLine(const std::string& date_time, const std::string& operator_text) {
  return date_time + " " + operator_text + "     Сигнал принят !!! ";
}

std::string AlarmSmsLine(const std::string& date_time, const std::string& phone) {
  return date_time + " Отправлен SMS запрос на телефон поддержки : " + phone;
}

void AppendToArchive(Station& st, const std::string& line) {
  common::AppendLine(st.File(st.state.ArchiveFileName), line);
}

}  // namespace monitor
