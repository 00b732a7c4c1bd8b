// The tool bar ToolBar1: the file buttons, a separator, the edit buttons, a wide
// separator and the exit button, in the form's order. Images only, no hints.
#pragma once

#include <QToolBar>

#include "common/qt/window_events.h"
#include "designer/designer_form.h"

class QPushButton;

namespace stanplan {

class DesignerToolBar : public QToolBar {
  Q_OBJECT

 public:
  DesignerToolBar(const designer::DesignerForm& form, const shell::WindowEvents& events,
                  QWidget* parent);
  void Render();

 private:
  void AddButton(const designer::TToolButton& entry);
  void AddSeparator(const designer::TToolButton& entry);

  const designer::DesignerForm& form_;
  shell::WindowEvents events_;
  QPushButton* exit_ = nullptr;
};

}  // namespace stanplan
