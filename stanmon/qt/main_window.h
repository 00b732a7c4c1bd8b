// The console's window: every control of the form as a widget named after it.
// The form is the only copy of every value: operator edits go into it at once,
// and Render shows it after every event, touching only what differs.
#pragma once

#include <QMainWindow>
#include <string>

#include "common/qt/timer_driver.h"
#include "stanmon/console.h"

class QTabWidget;

namespace shell {
class FormMenuBar;
}  // namespace shell

namespace stanmon {

class AboutPage;
class ConsoleStatusBar;
class ConsoleToolBar;
class JournalPage;
class MnemonicPage;
class PlanPage;
class SettingsPage;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Console& console, QWidget* parent = nullptr);

  // Drives the console's timers; its Start belongs to the program's start.
  shell::TimerDriver& timer_driver() { return *timers_; }
  void Render();

 private:
  // The exit command ends the program; any other event has the form shown anew.
  void AfterEvent();

  Console& console_;
  shell::TimerDriver* timers_;
  shell::FormMenuBar* menu_ = nullptr;
  ConsoleToolBar* tool_bar_ = nullptr;
  ConsoleStatusBar* status_bar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  MnemonicPage* mnemonic_ = nullptr;
  SettingsPage* settings_ = nullptr;
  PlanPage* plan_ = nullptr;
  AboutPage* about_ = nullptr;
  JournalPage* journal_ = nullptr;
};

}  // namespace stanmon
