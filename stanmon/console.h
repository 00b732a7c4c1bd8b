// The whole console without a screen: it owns the core's state, routes every
// timer tick and operator action to its handler, and catches the errors that
// end a handler.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "common/timer_bank.h"
#include "links/link_state.h"
#include "monitor/station.h"
#include "stanmon/line_notice.h"

namespace stanmon {

class Console {
 public:
  explicit Console(monitor::ConsolePorts ports);
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  monitor::Station& station() { return station_; }
  monitor::ConsoleForm& form() { return station_.form; }
  monitor::SharedState& state() { return station_.state; }
  links::LinkState& link() { return link_; }
  common::TimerBank& timers() { return timers_; }

  // Runs the click handler of a control or menu entry by its name ("BitBtn18",
  // "N6", "ToolButton7" ...). False when the control has no handler.
  bool Click(const std::string& control);
  bool HasClickHandler(const std::string& control) const;

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

  void AddTimer(common::Timer& timer, std::function<void()> handler,
                std::function<bool()> left_form_alone = {});
  void RunTick(TimerSlot& slot);
  // Shows an error that ended a handler in the error box.
  void ShowErrorBox(const std::string& text);
  // Shows the boxes that the core left for the end of the last handler.
  void ShowPendingBoxes();

  monitor::Station station_;
  links::LinkState link_;
  common::TimerBank timers_;
  std::map<std::string, TimerSlot> timer_slots_;
  std::map<std::string, std::function<void(monitor::Station&)>> click_handlers_;
  std::map<std::string, std::string> lines_down_;  // line name -> its last notice
  SinceAsked since_asked_ = SinceAsked::kNothing;
};

}  // namespace stanmon
