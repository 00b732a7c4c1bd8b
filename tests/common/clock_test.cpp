#include "common/clock.h"

#include <gtest/gtest.h>

namespace common {
namespace {

DateTime At(int year, int month, int day, int hour, int minute, int second) {
  return DateTime{year, month, day, hour, minute, second, 0};
}

TEST(Clock, FormatsShortDateAndLongTime) {
  EXPECT_EQ(FormatDate(At(2026, 3, 5, 7, 4, 9)), "05.03.2026");
  EXPECT_EQ(FormatDate(At(1999, 12, 31, 0, 0, 0)), "31.12.1999");
  EXPECT_EQ(FormatTime(At(2026, 3, 5, 7, 4, 9)), "7:04:09");
  EXPECT_EQ(FormatTime(At(2026, 3, 5, 17, 4, 9)), "17:04:09");
  EXPECT_EQ(FormatTime(At(2026, 3, 5, 0, 0, 0)), "0:00:00");
  EXPECT_EQ(FormatDateTime(At(2026, 3, 5, 7, 4, 9)), "05.03.2026 7:04:09");
}

TEST(Clock, LongDateUsesGenitiveMonthNames) {
  const char* months[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                          "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(FormatLongDate(At(2026, m, 5, 0, 0, 0)),
              "5 " + std::string(months[m - 1]) + " 2026 г.");
  }
  EXPECT_EQ(FormatLongDate(At(2026, 3, 25, 0, 0, 0)), "25 марта 2026 г.");
}

TEST(Clock, SystemClockGivesAPlausibleLocalTime) {
  const DateTime t = SystemClock{}.Now();
  EXPECT_GE(t.year, 2024);
  EXPECT_TRUE(t.month >= 1 && t.month <= 12);
  EXPECT_TRUE(t.day >= 1 && t.day <= 31);
  EXPECT_TRUE(t.hour >= 0 && t.hour <= 23);
  EXPECT_TRUE(t.millisecond >= 0 && t.millisecond <= 999);
}

}  // namespace
}  // namespace common
