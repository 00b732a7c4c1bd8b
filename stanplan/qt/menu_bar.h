// The main menu MainMenu1, built from the form's menu entries. Every menu and
// action is named after its entry and shows its entry's image.
#pragma once

#include <QMenuBar>
#include <map>
#include <string>
#include <vector>

#include "designer/designer_form.h"
#include "stanplan/qt/window_events.h"

class QAction;

namespace stanplan {

class DesignerMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  DesignerMenuBar(const designer::DesignerForm& form, const WindowEvents& events, QWidget* parent);
  void Render();

 private:
  void AddEntries(QWidget* menu, const std::vector<designer::TMenuItem>& items);
  void RenderEntries(const std::vector<designer::TMenuItem>& items);

  const designer::DesignerForm& form_;
  WindowEvents events_;
  std::map<std::string, QAction*> actions_;  // by entry name
};

}  // namespace stanplan
