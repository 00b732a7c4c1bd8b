#include "stanmon/console.h"

#include <exception>

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
#include "monitor/plan_view.h"
#include "monitor/save_settings.h"
#include "monitor/siren_switch.h"
#include "stanmon/ticks.h"

namespace stanmon {

using monitor::Station;

Console::Console(monitor::ConsolePorts ports) : station_(std::move(ports)) {
  AddTimer(station_.form.Timer1, [this] { links::Timer1Timer(station_, link_); });
  AddTimer(
      station_.form.Timer2, [this] { links::Timer2Timer(station_, link_); },
      [this] { return link_.Rs485RxCount == 0 && link_.ModemRxCount == 0; });
  AddTimer(station_.form.Timer3, [this] { monitor::Timer3Timer(station_); });
  AddTimer(station_.form.Timer4, [this] { monitor::Timer4Timer(station_); });
  AddTimer(station_.form.Timer5, [this] { links::Timer5Timer(station_, link_); });
  AddTimer(station_.form.Timer6, [this] { links::Timer6Timer(station_, link_); });

  click_handlers_ = {
      {"N6", monitor::N6Click},
      {"BitBtn18", monitor::BitBtn18Click},
      {"ToolButton7", monitor::ToolButton7Click},
      {"CheckBox17", monitor::CheckBox17Click},
      {"BitBtn22", monitor::BitBtn22Click},
      {"ToolButton9", monitor::ToolButton9Click},
      {"ToolButton10", monitor::ToolButton10Click},
      {"ToolButton14", monitor::ToolButton14Click},
      {"Clr1", monitor::Clr1Click},
      {"N15", monitor::N15Click},
      {"N16", monitor::N16Click},
  };
  using LinkHandler = void (*)(Station&, links::LinkState&);
  const std::pair<const char*, LinkHandler> link_handlers[] = {
      {"BitBtn20", links::BitBtn20Click},
      {"BitBtn21", links::BitBtn21Click},
      {"BitBtn17", links::BitBtn17Click},
      {"SMS1", links::SMS1Click},
      {"SMS2", links::SMS2Click},
      {"SMS3", links::SMS3Click},
      {"N17", links::N17Click},
      {"N18", links::N18Click},
      {"AT1", links::AT1Click},
      {"N7", links::N7Click},
      {"N8", links::N8Click},
      {"ReadSMS1", links::ReadSMS1Click},
      {"N19", links::N19Click},
  };
  for (const auto& [name, handler] : link_handlers) {
    click_handlers_[name] = [this, handler = handler](Station& st) { handler(st, link_); };
  }
  for (const auto& [name, button] :
       {std::pair{"MediaPlayer1Play", links::MediaPlayerButton::Play},
        std::pair{"MediaPlayer1Pause", links::MediaPlayerButton::Pause},
        std::pair{"MediaPlayer1Stop", links::MediaPlayerButton::Stop}}) {
    click_handlers_[name] = [button = button](Station& st) {
      links::MediaPlayer1Click(st, button);
    };
  }
  for (int c = 1; c <= monitor::kChannels; ++c) {
    click_handlers_["BitBtn" + std::to_string(c)] = [c](Station& st) {
      monitor::ChannelButtonClick(st, c);
    };
  }
  for (int box = monitor::OutputBoxP1(1); box <= monitor::OutputBoxP2(16); ++box) {
    click_handlers_["CheckBox" + std::to_string(box)] = [box](Station& st) {
      monitor::OutputCheckBoxClick(st, box);
    };
  }
}

void Console::AddTimer(common::Timer& timer, std::function<void()> handler,
                       std::function<bool()> left_form_alone) {
  TimerSlot& slot = timer_slots_[std::to_string(timer_slots_.size())];
  slot.timer = &timer;
  slot.handler = std::move(handler);
  slot.left_form_alone = std::move(left_form_alone);
  timers_.Add(timer, [this, &slot] { RunTick(slot); });
}

// A failed tick must not stop its timer: the timer is switched on again before
// the box opens, so it keeps ticking while the operator reads it. The error is
// shown in the box once and in status panel 5 for as long as it repeats, and the
// panel is cleared when the timer's tick completes cleanly again.
void Console::RunTick(TimerSlot& slot) {
  // Marked before the handler as well: a render in the event loop of a box the
  // handler opens must show what the handler did before it.
  if (!slot.left_form_alone) since_asked_ = SinceAsked::kMore;
  try {
    slot.handler();
    const bool quiet = slot.left_form_alone && slot.left_form_alone() && slot.error.empty();
    if (!slot.error.empty()) monitor::ClearCaughtError(station_, slot.error);
    slot.error.clear();
    if (!quiet) {
      since_asked_ = SinceAsked::kMore;
    } else if (since_asked_ == SinceAsked::kNothing) {
      since_asked_ = SinceAsked::kOnlyQuietTicks;
    }
  } catch (const std::exception& e) {
    since_asked_ = SinceAsked::kMore;
    slot.timer->Enabled = true;
    const bool repeated = slot.error == e.what();
    slot.error = e.what();
    station_.form.StatusBar1[5].Text = common::ErrorBoxText(slot.error);
    if (!repeated) ShowErrorBox(slot.error);
  }
  ShowPendingBoxes();
}

bool Console::Click(const std::string& control) {
  const auto found = click_handlers_.find(control);
  if (found == click_handlers_.end()) return false;
  since_asked_ = SinceAsked::kMore;
  try {
    found->second(station_);
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
  }
  since_asked_ = SinceAsked::kMore;
  ShowPendingBoxes();
  return true;
}

bool Console::HasClickHandler(const std::string& control) const {
  return click_handlers_.count(control) != 0;
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
  station_.form.StatusBar1[5].Text = text;
  since_asked_ = SinceAsked::kMore;
}

bool Console::FormMayHaveChanged() {
  const bool may = since_asked_ != SinceAsked::kOnlyQuietTicks;
  since_asked_ = SinceAsked::kNothing;
  return may;
}

void Console::ShowErrorBox(const std::string& text) {
  station_.ports.dialogs.Inform(common::ErrorBoxText(text),
                                common::ErrorBoxCaption(station_.ports.program_name),
                                common::BoxIcon::Error);
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
