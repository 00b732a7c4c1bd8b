// What the dispatchers of both programs share: the form's timers, the routing of
// a user's action to its handler by the name of its control, and the boundary
// at which an error that ends a handler is caught and shown in the error box,
// captioned with the program's name. Each program adds its own handlers, and its
// own rule for a timer tick that an error ended.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/timer_bank.h"

namespace common {

class Dispatcher {
 public:
  using Handler = std::function<void()>;
  using SpinHandler = std::function<void(SpinButton)>;

  Dispatcher(const Dispatcher&) = delete;
  Dispatcher& operator=(const Dispatcher&) = delete;

  TimerBank& timers() { return timers_; }

  // Runs the click handler of a control or menu entry by its name ("BitBtn1",
  // "N6", "ToolButton7" ...). False when the control has no handler.
  bool Click(const std::string& control);
  bool HasClickHandler(const std::string& control) const;

  // A spinner's arrow ("UpDown1" ...): its step, and whatever follows it. False
  // for a name that is no spinner's.
  bool Spin(const std::string& spinner, SpinButton button);

 protected:
  // before_each runs ahead of every click and spin, after_each at its end, also
  // at the end of one an error ended.
  Dispatcher(Dialogs& dialogs, std::string program_name, Handler before_each = {},
             Handler after_each = {});
  ~Dispatcher() = default;

  void AddClick(const std::string& control, Handler handler);
  void AddSpin(const std::string& spinner, SpinHandler handler);
  // A timer whose tick an error ended stays stopped, so the error is shown once.
  void AddTimer(Timer& timer, Handler handler);

  // Runs a handler; the text of the error that ended it, nothing when it completed.
  static std::optional<std::string> Caught(const Handler& handler);
  // Shows the text of an error that ended a handler in the error box.
  void ShowErrorBox(const std::string& text);

 private:
  // Runs a handler; an error that ends it is shown in the error box.
  void Run(const Handler& handler);

  Dialogs& dialogs_;
  std::string program_name_;
  Handler before_each_;
  Handler after_each_;
  TimerBank timers_;
  std::map<std::string, Handler> clicks_;
  std::map<std::string, SpinHandler> spins_;
};

}  // namespace common
