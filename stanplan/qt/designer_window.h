// The designer's window Form1: every control of the form as a widget named after
// it. The form is the only copy of every value: user edits go into it at once,
// and Render shows it after every event, touching only what differs.
#pragma once

#include "common/qt/form_window.h"
#include "stanplan/designer_app.h"

class QTabWidget;

namespace stanplan {

class DesignerToolBar;
class DrawingArea;
class SettingsGroup;

class DesignerWindow : public shell::FormWindow {
  Q_OBJECT

 public:
  explicit DesignerWindow(DesignerApp& app, QWidget* parent = nullptr);
  void Render() override;

 protected:
  // The window closes before the program ends.
  void EndProgram() override;

 private:
  void AddEditActions();

  DesignerApp& app_;
  DesignerToolBar* tool_bar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  SettingsGroup* settings_ = nullptr;
  DrawingArea* drawing_ = nullptr;
};

}  // namespace stanplan
