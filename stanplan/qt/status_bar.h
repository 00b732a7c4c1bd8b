// The status bar StatusBar1: three panels of the form's widths.
#pragma once

#include <QStatusBar>
#include <array>

#include "designer/designer_form.h"

class QLabel;

namespace stanplan {

class DesignerStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  DesignerStatusBar(const designer::DesignerForm& form, QWidget* parent);
  void Render();

 private:
  const designer::DesignerForm& form_;
  std::array<QLabel*, 3> panels_{};
};

}  // namespace stanplan
