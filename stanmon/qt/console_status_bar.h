// The status bar StatusBar1: six panels at the form's widths, the last one
// taking what is left.
#pragma once

#include <QStatusBar>
#include <array>

#include "monitor/console_form.h"

class QLabel;

namespace stanmon {

class ConsoleStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  ConsoleStatusBar(const monitor::ConsoleForm& form, QWidget* parent);
  void Render();

 private:
  const monitor::ConsoleForm& form_;
  std::array<QLabel*, 6> panels_{};
};

}  // namespace stanmon
