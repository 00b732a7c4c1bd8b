// The tool bar ToolBar1: the tool buttons, then Panel1 with the lamps, the date,
// the poll pause (Panel2), the SMS controls and the exit button.
#pragma once

#include <QImage>
#include <QToolBar>
#include <array>
#include <map>

#include "common/qt/window_events.h"
#include "monitor/console_form.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace shell {
class PictureBox;
}  // namespace shell

namespace stanmon {

class PieGauge;

class ConsoleToolBar : public QToolBar {
  Q_OBJECT

 public:
  ConsoleToolBar(monitor::ConsoleForm& form, const shell::WindowEvents& events, QWidget* parent);
  void Render();

 private:
  void AddToolButtons();
  void AddPanel();

  monitor::ConsoleForm& form_;
  shell::WindowEvents events_;
  std::map<int, QToolButton*> tool_buttons_;  // by number
  struct Lamp {
    shell::PictureBox* box = nullptr;
    QImage picture;  // the built-in one
  };
  std::map<int, Lamp> lamps_;  // by image number
  QDateEdit* date_ = nullptr;
  QLineEdit* pause_ = nullptr;
  QPushButton* cancel_sms_ = nullptr;
  PieGauge* gauge_ = nullptr;
  QComboBox* inbox_ = nullptr;
  QPushButton* exit_ = nullptr;
};

}  // namespace stanmon
