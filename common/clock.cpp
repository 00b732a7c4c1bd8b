#include "common/clock.h"

#include <time.h>

#include <array>
#include <cstdio>

namespace common {
namespace {

// Genitive month names, as a long date needs them ("5 марта").
constexpr std::array<const char*, 12> kMonthsGenitive = {
    "января", "февраля", "марта",    "апреля",  "мая",    "июня",
    "июля",   "августа", "сентября", "октября", "ноября", "декабря",
};

}  // namespace

DateTime SystemClock::Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  DateTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  t.millisecond = static_cast<int>(now.tv_nsec / 1000000);
  return t;
}

std::string FormatDate(const DateTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", t.day, t.month, t.year);
  return buffer;
}

std::string FormatTime(const DateTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", t.hour, t.minute, t.second);
  return buffer;
}

std::string FormatDateTime(const DateTime& t) {
  return FormatDate(t) + " " + FormatTime(t);
}

std::string FormatLongDate(const DateTime& t) {
  const bool month_valid = t.month >= 1 && t.month <= 12;
  return std::to_string(t.day) + " " + (month_valid ? kMonthsGenitive[t.month - 1] : "") + " " +
         std::to_string(t.year) + " г.";
}

}  // namespace common
