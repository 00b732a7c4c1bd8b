// What the main windows of both programs share: the dispatcher's timers run on
// the event loop, the events of the window's parts reach the dispatcher's
// handlers, and after every tick and event the window shows the form anew. The
// exit command, once confirmed, ends the program.
#pragma once

#include <QMainWindow>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/controls.h"
#include "common/dispatcher.h"
#include "common/qt/status_bar.h"
#include "common/qt/timer_driver.h"
#include "common/qt/window_events.h"

namespace shell {

class FormMenuBar;

class FormWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Drives the timers; its Start belongs to the program's start.
  TimerDriver& timer_driver() { return *timers_; }
  // Shows the form, touching only what differs.
  virtual void Render() = 0;

 protected:
  // exit_confirmed tells whether the exit command has been confirmed.
  FormWindow(common::Dispatcher& dispatcher, std::function<bool()> exit_confirmed, QWidget* parent);

  // The events: clicks and spinner arrows go to the dispatcher's handlers, an
  // edit has the form shown anew; without_handler names the controls that have
  // no handler on purpose.
  WindowEvents Events(std::function<bool(std::string_view control)> without_handler = {});
  // The main menu of the form's entries; icon gives an entry's picture by its
  // image index.
  void AddMenuBar(const std::vector<common::TMenuItem>& entries,
                  std::function<void(const std::string& entry)> click,
                  std::function<QIcon(int image_index)> icon = {});
  void AddStatusBar(std::span<const common::TStatusPanel> panels, LastPanel last);
  // The caption, the menu and the status bar as the form has them.
  void RenderFrame(const std::string& caption);
  void RenderCaption(const std::string& caption);
  void RenderMenuBar();
  void RenderStatusBar();
  // The user has acted on a widget: the form is shown anew.
  virtual void OnOperatorEvent();
  // Ends the program once the exit command has been confirmed.
  virtual void EndProgram();

 private:
  void AfterEvent();

  common::Dispatcher& dispatcher_;
  std::function<bool()> exit_confirmed_;
  TimerDriver* timers_;
  FormMenuBar* menu_ = nullptr;
  FormStatusBar* status_bar_ = nullptr;
};

}  // namespace shell
