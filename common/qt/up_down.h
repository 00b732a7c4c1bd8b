// A spinner: two small arrow buttons, one above the other.
#pragma once

#include <QWidget>

namespace shell {

class UpDownButtons : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownButtons(QWidget* parent);

 signals:
  void stepped(int delta);  // +1 up, -1 down
};

}  // namespace shell
