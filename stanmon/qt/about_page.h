// Page 3, about the program: the logo, three caption lines and the memo that
// shows the help text and archive files.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "common/qt/window_events.h"
#include "monitor/console_form.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace stanmon {

class AboutPage : public QWidget {
  Q_OBJECT

 public:
  AboutPage(monitor::ConsoleForm& form, const shell::WindowEvents& events, QWidget* parent);
  void Render();

 private:
  monitor::ConsoleForm& form_;
  shell::WindowEvents events_;
  QGroupBox* box_ = nullptr;
  std::array<QLabel*, 4> labels_{};  // 1..3
  QPlainTextEdit* memo_ = nullptr;
  // The lines the memo shows: comparing them is far cheaper than joining a whole
  // archive day into one text on every render.
  std::vector<std::string> memo_lines_;
  bool setting_memo_ = false;  // the memo's text changes by Render, not by the operator
};

}  // namespace stanmon
