// The console's window: every control of the form as a widget named after it.
// The form is the only copy of every value: operator edits go into it at once,
// and Render shows it after every event, touching only what differs.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

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
  // Shows the form; at once when nothing in it has changed since it was last shown.
  void Render() override;

 protected:
  // The operator has acted on a widget: the next render goes over every widget,
  // since a handler may have put back a value the widget no longer shows.
  void OnOperatorEvent() override;

 private:
  Console& console_;
  ConsoleToolBar* tool_bar_ = nullptr;
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
