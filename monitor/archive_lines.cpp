#include "monitor/archive_lines.h"

#include "common/line_file.h"
#include "common/platform_error.h"
#include "monitor/caught_error.h"
#include "monitor/daily_archive.h"

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

std::string AlarmSmsNotSentLine(const std::string& date_time, const std::string& phone) {
  return date_time + " Не отправлен SMS запрос на телефон поддержки : " + phone;
}

void AppendToArchive(Station& st, const std::string& line) {
  // Before the first main-cycle pass has named it, the file is today's all the same.
  const std::string& name = st.core.ArchiveFileName;
  st.faults.held_archive_lines.push_back(
      {name.empty() ? ArchiveFileNameFor(st.ports.clock.Now()) : name, line});
  WriteHeldArchiveLines(st);
}

void WriteHeldArchiveLines(Station& st) {
  auto& held = st.faults.held_archive_lines;
  while (!held.empty()) {
    try {
      common::AppendLine(st.File(held.front().file_name), held.front().line);
    } catch (const common::PlatformError& e) {
      ArchiveWriteFailed(st, e.what());
      return;
    }
    held.pop_front();
    ArchiveWriteSucceeded(st);
  }
}

void ArchiveWriteSucceeded(Station& st) {
  std::string& error = st.faults.archive_error;
  if (error.empty() || !st.faults.held_archive_lines.empty()) return;
  ClearCaughtError(st, error);
  error.clear();
}

void ArchiveWriteFailed(Station& st, const std::string& error) {
  if (!st.faults.archive_error.empty()) return;
  st.faults.archive_error = error;
  ShowCaughtError(st, error);
}

}  // namespace monitor
