// The whole console without a screen: it owns the core's state, routes every
// timer tick and operator action to its handler, and catches the errors that
// end a handler.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>

#include "common/dispatcher.h"
#include "links/link_state.h"
#include "monitor/station.h"
#include "stanmon/line_notice.h"

namespace stanmon {

class Console : public common::Dispatcher {
 public:
  explicit Console(monitor::ConsolePorts ports);

  monitor::Station& station() { return station_; }
  monitor::ConsoleForm& form() { return station_.form; }
  monitor::SharedState& state() { return station_.state; }
  links::LinkState& link() { return link_; }

  // The exit command was confirmed: the program ends now.
  bool TerminateRequested() const { return station_.core.TerminateRequested; }

  // A line's transport reports a problem or its recovery (status panel 5).
  void ShowLineNotice(const LineNotice& notice);

  // Whether the form may have changed since this was last asked. False only when
  // every handler run since then was a receive tick that took no bytes from
  // either line, which leaves the form as it was: the window, asking before it
  // renders, then spares itself comparing the whole form ten times a second.
  bool FormMayHaveChanged();

 private:
  struct TimerSlot {
    common::Timer* timer;
    std::function<void()> handler;
    // After a tick: true when it cannot have changed the form. Empty: it may have.
    std::function<bool()> left_form_alone;
    std::string error;  // the error that ended this timer's last tick; empty after a clean one
  };
  // What has run since the window last asked whether the form may have changed.
  enum class SinceAsked { kNothing, kOnlyQuietTicks, kMore };

  void RunTick(TimerSlot& slot);
  // Shows the boxes that the core left for the end of the last handler.
  void ShowPendingBoxes();

  monitor::Station station_;
  links::LinkState link_;
  std::array<TimerSlot, 6> timer_slots_;           // Timer1 .. Timer6
  std::map<std::string, std::string> lines_down_;  // line name -> its last notice
  SinceAsked since_asked_ = SinceAsked::kNothing;
};

}  // namespace stanmon
