// The date control: a date edit with a calendar that shows the Russian long
// date ("5 марта 2026 г.").
#pragma once

#include <QDateEdit>

namespace stanmon {

class DatePicker : public QDateEdit {
  Q_OBJECT

 public:
  explicit DatePicker(QWidget* parent);

 protected:
  QString textFromDateTime(const QDateTime& value) const override;
};

}  // namespace stanmon
