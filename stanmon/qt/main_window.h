// The console's window: every control of the form as a widget named after it.
// The form is the only copy of every value: operator edits go into it at once,
// and Render shows it after every event, touching only what differs.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <map>
#include <optional>
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
  // Shows the form; at once when nothing in it has changed since it was last shown.
  void Render();

 private:
  void OnClick(const std::string& control);
  // The operator has acted on a widget: the next render goes over every widget,
  // since a handler may have put back a value the widget no longer shows.
  void OnOperatorEvent();

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
  std::optional<monitor::ConsoleForm> shown_;  // the form as last rendered
  // The write count of each grid of the form when it was last rendered.
  std::map<const common::TStringGrid*, std::uint64_t> shown_grid_writes_;
};

}  // namespace stanmon
