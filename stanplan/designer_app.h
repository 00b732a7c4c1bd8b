// The whole designer without a screen: it owns the core's state, routes every
// timer tick and user action to its handler, and catches the errors that end a
// handler.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "common/timer_bank.h"
#include "designer/desk.h"
#include "designer/spinners.h"

namespace stanplan {

class DesignerApp {
 public:
  explicit DesignerApp(designer::DesignerPorts ports);
  DesignerApp(const DesignerApp&) = delete;
  DesignerApp& operator=(const DesignerApp&) = delete;

  designer::Desk& desk() { return desk_; }
  designer::DesignerForm& form() { return desk_.form; }
  designer::DesignerState& state() { return desk_.state; }
  common::TimerBank& timers() { return timers_; }

  // Runs the click handler of a control or menu entry by its name ("BitBtn1",
  // "N7", "ToolButton2" ...). False when the control has no handler.
  bool Click(const std::string& control);
  bool HasClickHandler(const std::string& control) const;

  // A spinner's arrow ("UpDown1" .. "UpDown3"): the step, then its click handler
  // when the number changed. False for any other name.
  bool Spin(const std::string& spinner, designer::SpinButton button);

  // The exit command was confirmed: the program ends now.
  bool TerminateRequested() const { return desk_.state.TerminateRequested; }

 private:
  struct Spinner {
    designer::TUpDown* updown;
    designer::TEdit* edit;
    void (*click)(designer::Desk&);
  };

  // Runs a handler; an error that ends it is shown in the error box. A timer
  // whose tick failed stays stopped, so the failure is shown once.
  void Run(const std::function<void()>& handler);

  designer::Desk desk_;
  common::TimerBank timers_;
  std::map<std::string, void (*)(designer::Desk&)> click_handlers_;
  std::map<std::string, Spinner> spinners_;
};

}  // namespace stanplan
