#include "stanmon/qt/date_picker.h"

#include "common/clock.h"

namespace stanmon {

// The display format gives the same text as the long date, so typing and the
// arrow keys work on the day, the month and the year as shown.
DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
  setLocale(QLocale(QLocale::Russian, QLocale::Russia));
  setDisplayFormat(QStringLiteral("d MMMM yyyy 'г.'"));
  setCalendarPopup(true);
}

QString DatePicker::textFromDateTime(const QDateTime& value) const {
  const QDate date = value.date();
  common::DateTime t;
  t.year = date.year();
  t.month = date.month();
  t.day = date.day();
  return QString::fromStdString(common::FormatLongDate(t));
}

}  // namespace stanmon
