// The whole designer without a screen: it owns the core's state, routes every
// timer tick and user action to its handler, and catches the errors that end a
// handler.
#pragma once

#include "common/dispatcher.h"
#include "designer/desk.h"

namespace stanplan {

class DesignerApp : public common::Dispatcher {
 public:
  explicit DesignerApp(designer::DesignerPorts ports);

  designer::Desk& desk() { return desk_; }
  designer::DesignerForm& form() { return desk_.form; }
  designer::DesignerState& state() { return desk_.state; }

  // The exit command was confirmed: the program ends now.
  bool TerminateRequested() const { return desk_.state.TerminateRequested; }

 private:
  designer::Desk desk_;
};

}  // namespace stanplan
