// The console's window: every control of the form as a widget named after it.
// The form is the only copy of every value: operator edits go into it at once,
// and Render shows it after every event, touching only what differs.
#pragma once

#include "common/qt/form_window.h"
#include "stanmon/console.h"

class QTabWidget;

namespace stanmon {

class AboutPage;
class ConsoleToolBar;
class JournalPage;
class MnemonicPage;
class PlanPage;
class SettingsPage;

class MainWindow : public shell::FormWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Console& console, QWidget* parent = nullptr);
  void Render() override;

 private:
  Console& console_;
  ConsoleToolBar* tool_bar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  MnemonicPage* mnemonic_ = nullptr;
  SettingsPage* settings_ = nullptr;
  PlanPage* plan_ = nullptr;
  AboutPage* about_ = nullptr;
  JournalPage* journal_ = nullptr;
};

}  // namespace stanmon
