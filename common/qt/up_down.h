// A spinner: two small arrow buttons, one above the other.
#pragma once

#include <QWidget>

#include "common/controls.h"

namespace shell {

class UpDownButtons : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownButtons(QWidget* parent);

 signals:
  void stepped(common::SpinButton button);
};

}  // namespace shell
