// Local date and time, and the Russian regional formats the console was made for.
#pragma once

#include <string>

namespace common {

struct DateTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Port: the local date and time now.
struct Clock {
  virtual ~Clock() = default;
  virtual DateTime Now() = 0;
};

// The system's local time.
struct SystemClock : Clock {
  DateTime Now() override;
};

// Short date "dd.MM.yyyy", e.g. "05.03.2026".
std::string FormatDate(const DateTime& t);
// Long time "H:mm:ss", e.g. "7:04:09".
std::string FormatTime(const DateTime& t);
// Date-time: the short date, one blank, the long time.
std::string FormatDateTime(const DateTime& t);
// Long date, e.g. "5 марта 2026 г.".
std::string FormatLongDate(const DateTime& t);

}  // namespace common
