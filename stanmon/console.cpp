#include "stanmon/console.h"

#include <string>
#include <utility>

#include "common/platform_error.h"
#include "links/alarm_schedule.h"
#include "links/manual_sms.h"
#include "links/modem_menu.h"
#include "links/rs485_poll.h"
#include "links/siren.h"
#include "monitor/archive_commands.h"
#include "monitor/caught_error.h"
#include "monitor/demonstration.h"
#include "monitor/exit_command.h"
#include "monitor/indicators.h"
#include "monitor/pause_spinner.h"
#include "monitor/plan_view.h"
#include "monitor/save_settings.h"
#include "monitor/siren_switch.h"
#include "stanmon/ticks.h"

namespace stanmon {

using links::LinkState;
using monitor::Station;

Console::Console(monitor::ConsolePorts ports)
    : Dispatcher(
          ports.dialogs, ports.program_name, [this] { since_asked_ = SinceAsked::kMore; },
          [this] {
            since_asked_ = SinceAsked::kMore;
            ShowPendingBoxes();
          }),
      station_(std::move(ports)) {
  monitor::ConsoleForm& f = station_.form;
  // A receive tick that took no bytes from either line, and wrote nothing, leaves
  // the form as it was.
  const auto took_nothing = [this] {
    return link_.Rs485RxCount == 0 && link_.ModemRxCount == 0 && !link_.ModemTickActed;
  };
  timer_slots_ = {{
      {&f.Timer1, [this] { links::Timer1Timer(station_, link_); }, {}, {}},
      {&f.Timer2, [this] { links::Timer2Timer(station_, link_); }, took_nothing, {}},
      {&f.Timer3, [this] { monitor::Timer3Timer(station_); }, {}, {}},
      {&f.Timer4, [this] { monitor::Timer4Timer(station_); }, {}, {}},
      {&f.Timer5, [this] { links::Timer5Timer(station_, link_); }, {}, {}},
      {&f.Timer6, [this] { links::Timer6Timer(station_, link_); }, {}, {}},
  }};
  for (TimerSlot& slot : timer_slots_) timers().Add(*slot.timer, [this, &slot] { RunTick(slot); });

  // The handlers of the core take the station, those of the field lines the link state too.
  const auto core = [this](void (*handler)(Station&)) -> Handler {
    return [this, handler] { handler(station_); };
  };
  const auto field = [this](void (*handler)(Station&, LinkState&)) -> Handler {
    return [this, handler] { handler(station_, link_); };
  };
  const std::pair<const char*, Handler> clicks[] = {
      {"N6", core(monitor::N6Click)},
      {"BitBtn18", core(monitor::BitBtn18Click)},
      {"ToolButton7", core(monitor::ToolButton7Click)},
      {"CheckBox17", core(monitor::CheckBox17Click)},
      {"BitBtn22", core(monitor::BitBtn22Click)},
      {"ToolButton9", core(monitor::ToolButton9Click)},
      {"ToolButton10", core(monitor::ToolButton10Click)},
      {"ToolButton14", core(monitor::ToolButton14Click)},
      {"Clr1", core(monitor::Clr1Click)},
      {"N15", core(monitor::N15Click)},
      {"N16", core(monitor::N16Click)},
      {"BitBtn20", field(links::BitBtn20Click)},
      {"BitBtn21", field(links::BitBtn21Click)},
      {"BitBtn17", field(links::BitBtn17Click)},
      {"SMS1", field(links::SMS1Click)},
      {"SMS2", field(links::SMS2Click)},
      {"SMS3", field(links::SMS3Click)},
      {"N17", field(links::N17Click)},
      {"N18", field(links::N18Click)},
      {"AT1", field(links::AT1Click)},
      {"N7", field(links::N7Click)},
      {"N8", field(links::N8Click)},
      {"ReadSMS1", field(links::ReadSMS1Click)},
      {"N19", field(links::N19Click)},
  };
  for (const auto& [name, handler] : clicks) AddClick(name, handler);
  for (const auto& [name, button] :
       {std::pair{"MediaPlayer1Play", links::MediaPlayerButton::Play},
        std::pair{"MediaPlayer1Pause", links::MediaPlayerButton::Pause},
        std::pair{"MediaPlayer1Stop", links::MediaPlayerButton::Stop}}) {
    AddClick(name, [this, button = button] { links::MediaPlayer1Click(station_, button); });
  }
  for (int c = 1; c <= monitor::kChannels; ++c) {
    AddClick("BitBtn" + std::to_string(c), [this, c] { monitor::ChannelButtonClick(station_, c); });
  }
  for (int box = monitor::OutputBoxP1(1); box <= monitor::OutputBoxP2(16); ++box) {
    AddClick("CheckBox" + std::to_string(box),
             [this, box] { monitor::OutputCheckBoxClick(station_, box); });
  }
  AddSpin("UpDown1",
          [this](common::SpinButton button) { monitor::StepPauseSpinner(station_, button); });
}

// A failed tick must not stop its timer: the timer is switched on again before
// the box opens, so it keeps ticking while the operator reads it. The error is
// shown in the box once and in status panel 5 for as long as it repeats, and the
// panel is cleared when the timer's tick completes cleanly again.
void Console::RunTick(TimerSlot& slot) {
  // Marked before the handler as well: a render in the event loop of a box the
  // handler opens must show what the handler did before it.
  if (!slot.left_form_alone) since_asked_ = SinceAsked::kMore;
  if (const auto error = Caught(slot.handler)) {
    since_asked_ = SinceAsked::kMore;
    slot.timer->Enabled = true;
    const bool repeated = slot.error == *error;
    slot.error = *error;
    station_.form.StatusBar1[monitor::kEventPanel].Text = common::ErrorBoxText(slot.error);
    if (!repeated) ShowErrorBox(slot.error);
  } else {
    const bool quiet = slot.left_form_alone && slot.left_form_alone() && slot.error.empty();
    if (!slot.error.empty()) monitor::ClearCaughtError(station_, slot.error);
    slot.error.clear();
    if (!quiet) {
      since_asked_ = SinceAsked::kMore;
    } else if (since_asked_ == SinceAsked::kNothing) {
      since_asked_ = SinceAsked::kOnlyQuietTicks;
    }
  }
  ShowPendingBoxes();
}

// The notice, then every other line still down, so that no outage hides another.
void Console::ShowLineNotice(const LineNotice& notice) {
  if (notice.down) {
    lines_down_[notice.line] = notice.text;
  } else {
    lines_down_.erase(notice.line);
  }
  std::string text = notice.text;
  for (const auto& [line, down_text] : lines_down_) {
    if (line != notice.line) text += "; " + down_text;
  }
  station_.form.StatusBar1[monitor::kEventPanel].Text = text;
  since_asked_ = SinceAsked::kMore;
}

bool Console::FormMayHaveChanged() {
  const bool may = since_asked_ != SinceAsked::kOnlyQuietTicks;
  since_asked_ = SinceAsked::kNothing;
  return may;
}

// One at a time from the front: a handler that runs while a box is open may add more.
void Console::ShowPendingBoxes() {
  auto& boxes = station_.faults.boxes;
  while (!boxes.empty()) {
    const monitor::PendingBox box = boxes.front();
    boxes.erase(boxes.begin());
    station_.ports.dialogs.Inform(box.text, box.caption, box.icon);
  }
}

}  // namespace stanmon
