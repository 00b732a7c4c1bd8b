// The status bar StatusBar1: one panel per form panel, named StatusPanel0 on,
// with the panel's text at the panel's width.
#pragma once

#include <QStatusBar>
#include <span>
#include <vector>

#include "common/controls.h"

class QLabel;

namespace shell {

// Whether the last panel keeps its width or takes what the others leave.
enum class LastPanel { kFixed, kStretches };

class FormStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  // The panels are the form's, which outlive the bar.
  FormStatusBar(std::span<const common::TStatusPanel> panels, LastPanel last, QWidget* parent);
  void Render();

 private:
  std::span<const common::TStatusPanel> panels_;
  LastPanel last_;
  std::vector<QLabel*> labels_;
};

}  // namespace shell
