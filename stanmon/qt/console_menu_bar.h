// The main menu MainMenu1, built from the form's menu entries. Every menu and
// action is named after its entry; captions and check marks follow the form.
#pragma once

#include <QMenuBar>
#include <map>
#include <string>

#include "monitor/console_form.h"
#include "stanmon/qt/window_events.h"

class QAction;

namespace stanmon {

class ConsoleMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  ConsoleMenuBar(monitor::ConsoleForm& form, const WindowEvents& events, QWidget* parent);
  void Render();

 private:
  void AddEntries(QWidget* menu, const std::vector<monitor::TMenuItem>& items);
  void RenderEntries(const std::vector<monitor::TMenuItem>& items);

  monitor::ConsoleForm& form_;
  WindowEvents events_;
  std::map<std::string, QAction*> actions_;  // by entry name
};

}  // namespace stanmon
