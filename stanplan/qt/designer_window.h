// The designer's window Form1: every control of the form as a widget named after
// it. The form is the only copy of every value: user edits go into it at once,
// and Render shows it after every event, touching only what differs.
#pragma once

#include <QMainWindow>
#include <string>

#include "common/qt/timer_driver.h"
#include "stanplan/designer_app.h"

class QTabWidget;

namespace shell {
class FormMenuBar;
}  // namespace shell

namespace stanplan {

class DesignerStatusBar;
class DesignerToolBar;
class DrawingArea;
class SettingsGroup;

class DesignerWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit DesignerWindow(DesignerApp& app, QWidget* parent = nullptr);

  // Drives the designer's timers; its Start belongs to the program's start.
  shell::TimerDriver& timer_driver() { return *timers_; }
  void Render();

 private:
  // The exit command ends the program; any other event has the form shown anew.
  void AfterEvent();
  void AddEditActions();

  DesignerApp& app_;
  shell::TimerDriver* timers_;
  shell::FormMenuBar* menu_ = nullptr;
  DesignerToolBar* tool_bar_ = nullptr;
  DesignerStatusBar* status_bar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  SettingsGroup* settings_ = nullptr;
  DrawingArea* drawing_ = nullptr;
};

}  // namespace stanplan
